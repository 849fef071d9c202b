# Sourced: need_tools checks, before any work starts, that every program a
# script calls is there, and stops with the Debian package that provides
# each missing one. Each argument is "program:package"; a program given as
# an absolute path (or a file a script reads) is looked for at that path.
#
#   need_tools cmake:cmake Xvfb:xvfb import:imagemagick
need_tools() {
    local pair tool package missing=() packages=()
    for pair in "$@"; do
        tool=${pair%%:*}
        package=${pair#*:}
        if [[ $tool == /* ]]; then
            [[ -e $tool ]] && continue
        else
            command -v "$tool" >/dev/null 2>&1 && continue
        fi
        missing+=("  $tool (Debian package $package)")
        packages+=("$package")
    done
    ((${#missing[@]} == 0)) && return 0
    {
        echo "${0##*/}: these programs or files are missing:"
        printf '%s\n' "${missing[@]}"
        echo "Install them with: apt-get install $(printf '%s\n' "${packages[@]}" | sort -u | tr '\n' ' ')"
    } >&2
    exit 1
}

// Linked into a program (the editor's own main.cpp, or the floor program) to
// measure its start-up: as soon as the first top-level window has been
// exposed and painted, prints the time of that moment and a census of the
// window's widgets, then quits. It hooks in when the application object is
// created, so the program's own code stays as it is.
//
// Output on stdout, one item a line:
//   first-frame-ns <CLOCK_MONOTONIC nanoseconds>
//   census <size WxH>;<class>[~hidden]=<count>,...;menus=<n>;actions=<n>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace {

// The standard class a widget is counted as, most specific first.
const char *standardClass(const QWidget *w)
{
    static const char *const classes[] = {"QPlainTextEdit", "QTextEdit",    "QLineEdit", "QComboBox",
                                          "QCheckBox",      "QRadioButton", "QPushButton",
                                          "QToolButton",    "QLabel",       "QGroupBox", "QFrame"};
    for (const char *name : classes)
        if (w->inherits(name))
            return name;
    return "QWidget";
}

// Widgets that a standard widget makes for itself are counted with it.
bool isPartOfAnother(const QWidget *w, const QWidget *top)
{
    for (const QWidget *p = w->parentWidget(); p && p != top; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea *>(p) || qobject_cast<const QComboBox *>(p)
            || qobject_cast<const QAbstractSpinBox *>(p) || qobject_cast<const QMenuBar *>(p))
            return true;
    return false;
}

QByteArray census(QWidget *top)
{
    QMap<QByteArray, int> counts;
    // Menus are counted as the menu bar shows them.
    int menus = 0;
    int actions = 0;
    if (auto *main = qobject_cast<QMainWindow *>(top))
        for (QAction *entry : main->menuBar()->actions())
            if (entry->menu()) {
                ++menus;
                actions += entry->menu()->actions().size();
            }
    for (QWidget *w : top->findChildren<QWidget *>()) {
        if (qobject_cast<QMenu *>(w) || qobject_cast<QMenuBar *>(w) || isPartOfAnother(w, top) || w->isWindow())
            continue;
        QByteArray key = standardClass(w);
        if (!w->isVisibleTo(top))
            key += "~hidden";
        ++counts[key];
    }
    QByteArray out = QByteArray::number(top->width()) + 'x' + QByteArray::number(top->height()) + ';';
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        out += it.key() + '=' + QByteArray::number(it.value()) + ',';
    out.chop(1);
    return out + ";menus=" + QByteArray::number(menus) + ";actions=" + QByteArray::number(actions);
}

class FirstFrame : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_done || event->type() != QEvent::Expose)
            return false;
        auto *window = qobject_cast<QWindow *>(watched);
        if (!window || !window->isExposed())
            return false;
        m_done = true;
        // Runs after the expose has been handled, which paints and flushes
        // the window.
        QMetaObject::invokeMethod(
            this,
            [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("first-frame-ns %lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
                for (QWidget *top : QApplication::topLevelWidgets())
                    if (top->isVisible()) {
                        std::printf("census %s\n", census(top).constData());
                        break;
                    }
                std::fflush(stdout);
                QCoreApplication::quit();
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    bool m_done = false;
};

void installFirstFrameHook()
{
    auto *hook = new FirstFrame;
    hook->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(hook);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installFirstFrameHook)

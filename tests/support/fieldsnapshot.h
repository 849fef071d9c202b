#pragma once

#include "editorcore.h"
#include "formstate.h"

#include <QStringList>

#include <string>

// Everything a refused load or a failed save must leave as it was: the
// document (its lines, key lines, edited flags, flags and save target) and
// every field of the form with its enabled state, and the caption. Used by
// the tests and by the fuzzer's properties alike.
struct FieldSnapshot {
    QVector<QByteArray> lines;
    tuneks::DocumentState doc;
    QStringList texts;
    QList<int> values;
    QList<bool> enabled;
    QString caption;

    FieldSnapshot(const tuneks::EditorCore &core, const tuneks::FormState &form)
        : lines(core.documentLines()), doc(core.doc()), caption(form.caption())
    {
        using namespace tuneks;
        for (const Fields::FieldInfo &info : Fields::all())
            if (Fields::isTextSlot(info.slot)) {
                texts << form.text(info.slot);
                enabled << form.textEnabled(info.slot);
            }
        for (int box : Fields::checkBoxSlots()) {
            values << form.check(box);
            enabled << form.checkEnabled(box);
        }
        for (int list : Fields::listSlots()) {
            values << form.combo(list);
            enabled << form.comboEnabled(list);
        }
    }

    // Names the first part that `now` has changed; empty when nothing has.
    std::string changedIn(const FieldSnapshot &now) const
    {
        const tuneks::DocumentState &d = now.doc;
        const std::pair<bool, const char *> parts[] = {
            {now.lines == lines, "the lines of the document"},
            {d.keyLine == doc.keyLine, "the line numbers of the fields"},
            {d.edited == doc.edited, "the edited flags"},
            {d.unsavedChanges == doc.unsavedChanges, "the unsaved-changes flag"},
            {d.saveTarget.has_value() == doc.saveTarget.has_value() && d.saveTarget == doc.saveTarget,
             "the save target"},
            {now.texts == texts && now.values == values, "the fields"},
            {now.enabled == enabled, "which fields are enabled"},
            {now.caption == caption, "the caption"},
        };
        for (const auto &[same, what] : parts)
            if (!same)
                return std::string("changed: ") + what;
        return {};
    }
};

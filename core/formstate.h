#pragma once

#include "fieldtable.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

namespace tuneks {

// The pages of the main window. Each value is the number of the frame that
// holds the page (Frame1..Frame9).
enum class Page {
    General = 1,
    Gearbox = 2,
    FrontWheels = 3,
    Suspension = 4,
    Aerodynamics = 5,
    DriveTrain = 6,
    Engine = 7,
    Brakes = 8,
    RearWheels = 9,
};

// The form state: everything the user sees and edits in the windows, kept
// without a single widget. The document core reads and writes it and applies
// the change rules itself; each window mirrors the items it shows, and passes
// the user's edits to the core.
//
// Every setter that really changes a value emits changed(item, index) once,
// whoever called it. The model holds no rules: it only notifies.
class FormState : public QObject {
    Q_OBJECT
public:
    enum class Item {
        Text,            // index: slot (main Text(i) or torque Text21(i))
        TextEnabled,     // index: slot
        Check,           // index: the check box's slot
        CheckEnabled,    // index: the check box's slot
        Combo,           // index: the list's slot (selected position)
        ComboEnabled,    // index: the list's slot
        Caption,         // main window caption
        PageTitle,       // text of Text3
        FrameVisible,    // index: frame number 1..9
        PageButtons,     // Command1..Command6 and Command8 enabled
        MenuSave,        // menu item "save" enabled
        MenuSaveAs,      // menu item "saveas" enabled
        MenuCheck,    // menu item "Proverka" enabled
        ErrorsList,      // Form2.List1
        ErrorsButtons,   // Form2.Command1 and Command2 enabled
        TorqueErrorsList,// Form2_2.List1
        ChooserOption,   // Form5: which option button is selected
    };
    Q_ENUM(Item)

    enum ChooserChoice { NoChoice = 0, PorscheChoice = 1, LamborghiniChoice = 2 };

    explicit FormState(QObject *parent = nullptr);

    // Text(i) / Text21(i). Each starts with its row's initial text.
    QString text(int slot) const;
    void setText(int slot, const QString &text);
    bool textEnabled(int slot) const;
    void setTextEnabled(int slot, bool enabled);

    // Check box values by slot: 0 clear, 1 ticked, 2 greyed. A slot that is
    // no check box reads as clear and disabled and ignores every change.
    int check(int slot) const;
    void setCheck(int slot, int value);
    bool checkEnabled(int slot) const;
    void setCheckEnabled(int slot, bool enabled);

    // Selected list position by slot, -1 for none. A slot that is no list
    // reads as -1 and disabled and ignores every change.
    int combo(int slot) const;
    void setCombo(int slot, int position);
    bool comboEnabled(int slot) const;
    void setComboEnabled(int slot, bool enabled);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QString pageTitle() const { return m_pageTitle; }
    void setPageTitle(const QString &title);

    // Frames 1..9 of the main window; several may be visible at once, the
    // view stacks them (Frame1 topmost).
    bool frameVisible(int frame) const;
    void setFrameVisible(int frame, bool visible);

    bool pageButtonsEnabled() const { return m_pageButtons; }
    void setPageButtonsEnabled(bool enabled);
    bool menuSaveEnabled() const { return m_menuSave; }
    void setMenuSaveEnabled(bool enabled);
    bool menuSaveAsEnabled() const { return m_menuSaveAs; }
    void setMenuSaveAsEnabled(bool enabled);
    bool menuCheckEnabled() const { return m_menuCheck; }
    void setMenuCheckEnabled(bool enabled);

    // Form2: the error list and the enabled state of "&Проверить ещё раз" and
    // "&Всё равно сохранить"; disabled buttons mean a check-only run.
    QStringList errorsList() const { return m_errors; }
    void appendErrors(const QStringList &lines);
    void clearErrors();
    bool errorsButtonsEnabled() const { return m_errorsButtons; }
    void setErrorsButtonsEnabled(bool enabled);

    // Form2_2's list.
    QStringList torqueErrorsList() const { return m_torqueErrors; }
    void appendTorqueErrors(const QStringList &lines);
    void clearTorqueErrors();

    // Form5's option buttons; kept between showings.
    ChooserChoice chooserOption() const { return m_chooser; }
    void setChooserOption(ChooserChoice choice);

signals:
    void changed(FormState::Item item, int index);

private:
    // Indexed by slot number: a text box's text, a check box's value or a
    // list's position, and whether the control is enabled.
    std::array<QString, Fields::kSlotLimit> m_texts;
    std::array<int, Fields::kSlotLimit> m_values{};
    std::array<bool, Fields::kSlotLimit> m_enabled{};
    QString m_caption;
    QString m_pageTitle;
    bool m_frames[10] = {};
    bool m_pageButtons = false;
    bool m_menuSave = false;
    bool m_menuSaveAs = false;
    bool m_menuCheck = false;
    QStringList m_errors;
    bool m_errorsButtons = true;
    QStringList m_torqueErrors;
    ChooserChoice m_chooser = NoChoice;
};

} // namespace tuneks

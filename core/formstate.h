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
        Check,           // index: Fields::CheckBoxId
        CheckEnabled,    // index: Fields::CheckBoxId
        Combo,           // index: Fields::ComboId (selected position)
        ComboEnabled,    // index: Fields::ComboId
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

    // Text(i) / Text21(i). Torque fields start as "0", the others empty.
    QString text(int slot) const;
    void setText(int slot, const QString &text);
    bool textEnabled(int slot) const;
    void setTextEnabled(int slot, bool enabled);

    // Check box values: 0 clear, 1 ticked, 2 greyed.
    int check(Fields::CheckBoxId box) const;
    void setCheck(Fields::CheckBoxId box, int value);
    bool checkEnabled(Fields::CheckBoxId box) const;
    void setCheckEnabled(Fields::CheckBoxId box, bool enabled);

    // Selected list position, -1 for none.
    int combo(Fields::ComboId list) const;
    void setCombo(Fields::ComboId list, int position);
    bool comboEnabled(Fields::ComboId list) const;
    void setComboEnabled(Fields::ComboId list, bool enabled);

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
    // Indexed by slot number; only the text slots are used.
    std::array<QString, Fields::kSlotLimit> m_texts;
    std::array<bool, Fields::kSlotLimit> m_textEnabled{};
    int m_checks[Fields::kCheckBoxCount] = {};
    bool m_checkEnabled[Fields::kCheckBoxCount];
    int m_combos[Fields::kComboCount] = {-1, -1, -1};
    bool m_comboEnabled[Fields::kComboCount] = {true, true, true};
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

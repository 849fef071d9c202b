#include "templatechooser.h"

#include "dialogparts.h"
#include "uiface.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace tuneks {

namespace {

QLabel *makeBox(QWidget *parent, const char *name, const QString &caption, QRect where)
{
    auto *box = new QLabel(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(where);
    box->setFrameShape(QFrame::Panel);
    box->setFrameShadow(QFrame::Sunken);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return box;
}

} // namespace

TemplateChooser::TemplateChooser(EditorCore &core, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_core(core),
      m_commands(core)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Выбор шаблона"));
    setModal(true);
    setFont(UiFace::defaultFont());
    setFixedSize(twips(0, 0, 4695, 2175).size());

    // Created in tab order; the two boxes are sent behind the controls they hold.
    m_lamborghini = new QRadioButton(QStringLiteral("На базе Lamborghini Diablo VT 6.0"), this);
    m_lamborghini->setObjectName(QStringLiteral("Option2"));
    m_lamborghini->setGeometry(twips(360, 480, 3735, 255));
    m_porsche = new QRadioButton(QStringLiteral("На базе Porsche 911 Turbo"), this);
    m_porsche->setObjectName(QStringLiteral("Option1"));
    m_porsche->setGeometry(twips(360, 840, 3735, 255));
    auto *options = new QButtonGroup(this);
    options->addButton(m_lamborghini);
    options->addButton(m_porsche);

    auto *create = makeDialogButton(this, "Command1", QStringLiteral("&Создать"),
                              twips(720, 1560, 1815, 375));
    create->setDefault(true);
    auto *cancel = makeDialogButton(this, "Command2", QStringLiteral("&Отмена"),
                              twips(2640, 1560, 1815, 375));
    auto *notes = makeDialogButton(this, "Command3", QStringLiteral("&!"), twips(240, 1560, 375, 375));

    QLabel *question = makeBox(this, "Label1",
                               QStringLiteral("--==[На базе какого автомобиля создать файл?]==--"),
                               twips(120, 120, 4455, 1215));
    question->lower();
    makeBox(this, "Label2", QString(), twips(120, 1440, 4455, 615))->lower();

    connect(m_lamborghini, &QRadioButton::clicked, this,
            [this] { m_core.form().setChooserOption(FormState::LamborghiniChoice); });
    connect(m_porsche, &QRadioButton::clicked, this,
            [this] { m_core.form().setChooserOption(FormState::PorscheChoice); });
    connect(create, &QPushButton::clicked, this, [this] { m_commands.create(); });
    connect(cancel, &QPushButton::clicked, this, [this] { m_commands.cancel(); });
    connect(notes, &QPushButton::clicked, this, [this] { m_commands.notes(); });

    connect(&m_core.form(), &FormState::changed, this, [this](FormState::Item item, int) {
        if (item == FormState::Item::ChooserOption)
            syncOptions();
    });
    syncOptions();
}

void TemplateChooser::showEvent(QShowEvent *event)
{
    // The outer frame is centred, title bar included, as for the about window;
    // before the first showing the parent's frame stands in for its own.
    centreOnScreen(this, parentWidget());
    QDialog::showEvent(event);
}

void TemplateChooser::reject()
{
    // Esc is the cancel role of "&Отмена".
    m_commands.cancel();
}

void TemplateChooser::closeEvent(QCloseEvent *event)
{
    // The close box leaves like "&Отмена": the window stays loaded with its choice.
    event->ignore();
    m_commands.cancel();
}

void TemplateChooser::syncOptions()
{
    const FormState::ChooserChoice choice = m_core.form().chooserOption();
    // An exclusive group cannot clear its last checked button, so clearing
    // both (no choice) needs the group off for a moment.
    QButtonGroup *group = m_porsche->group();
    group->setExclusive(false);
    m_porsche->setChecked(choice == FormState::PorscheChoice);
    m_lamborghini->setChecked(choice == FormState::LamborghiniChoice);
    group->setExclusive(true);
}

} // namespace tuneks

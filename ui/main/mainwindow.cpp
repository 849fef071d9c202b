#include "mainwindow.h"

#include "aboutwindow.h"
#include "crispframe.h"
#include "dialogparts.h"
#include "editorcore.h"
#include "fieldbindings.h"
#include "filedrop.h"
#include "listingwindow.h"
#include "pagebuilder.h"
#include "qthost.h"
#include "texts.h"
#include "uiface.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>

namespace tuneks {

namespace {

// The seven page buttons that the core enables together.
constexpr int kPageButtons[] = {1, 2, 3, 4, 5, 6, 8};
// Every button that switches pages: the page buttons and the four arrows.
// The page buttons and arrows (Command1..Command14), with the page each shows.
const struct {
    int command;
    Page page;
} kPageCommands[] = {
    {1, Page::General},    {2, Page::Gearbox},     {3, Page::FrontWheels}, {4, Page::Suspension},
    {5, Page::Aerodynamics}, {6, Page::Brakes},    {8, Page::Engine},      {10, Page::DriveTrain},
    {11, Page::Gearbox},   {13, Page::RearWheels}, {14, Page::FrontWheels},
};
// The arrows on the pages themselves.
constexpr int kPageArrows[] = {10, 11, 13, 14};

// Text boxes show CR LF line breaks as plain line breaks.
QString displayText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

MainWindow::MainWindow(EditorCore &core, QtHost &host, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_core(core),
      m_commands(core),
      m_host(host)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Texts::programCaption());

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1Client"));
    client->setFont(UiFace::defaultFont());
    client->setFixedSize(twips(0, 0, 8895, 3630).size());
    setCentralWidget(client);
    buildWindowControls(client);
    buildMenus();

    // The client area keeps its size; the frame around it follows.
    m_fixedSize = QSize(client->width(), client->height() + menuBar()->sizeHint().height());
    setFixedSize(m_fixedSize);

    connectControls();
    connect(new FileDrop(this), &FileDrop::fileDropped, this, [this](const QString &fileName) {
        m_host.rememberFolderOf(fileName);
        m_commands.openDroppedFile(fileName);
    });
    connect(&m_core.form(), &FormState::changed, this, &MainWindow::onModelChanged);
    m_host.attach(m_core, this);
    syncAll();
    m_commands.windowLoaded();
}

void MainWindow::buildWindowControls(QWidget *client)
{
    // Label1(8) lies on the window itself, hidden behind the page-title box.
    PageBuilder window(client, m_widgets);
    window.label(8, QStringLiteral("Гравитация:"), 3000, 600, 1215);

    makePanel(client, "Text1", twips(120, 120, 1575, 2655));
    window.button(1, QStringLiteral("&Общее"), 240, 240, 1335, 255);
    window.button(2, QStringLiteral("&Трансмиссия"), 240, 600, 1335, 255);
    window.button(3, QStringLiteral("К&олёса"), 240, 960, 1335, 255);
    window.button(4, QStringLiteral("&Подвеска"), 240, 1320, 1335, 255);
    window.button(5, QStringLiteral("&Аэродинамика"), 240, 1680, 1335, 255);
    window.button(6, QStringLiteral("То&рмоза"), 240, 2040, 1335, 255);
    window.button(8, QStringLiteral("&Движок"), 240, 2400, 1335, 255);
    makePanel(client, "Text2", twips(120, 2880, 1575, 615));
    window.button(7, QStringLiteral("&Выход"), 240, 3000, 1335, 375);

    m_pageTitle = new QPlainTextEdit(client);
    m_pageTitle->setObjectName(QStringLiteral("Text3"));
    m_pageTitle->setGeometry(twips(1920, 120, 6855, 3375));
    m_pageTitle->setReadOnly(true);
    // It shows no caret or focus frame, so it is no Tab stop either.
    m_pageTitle->setFocusPolicy(Qt::NoFocus);
    m_pageTitle->setAccessibleName(QStringLiteral("Заголовок страницы"));
    m_pageTitle->setFont(captionFont());
    m_pageTitle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pageTitle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pageTitle->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Its top and bottom edges fall between device pixels on screens scaled by a fraction.
    keepBorderOnDevicePixels(m_pageTitle);

    buildPages(client, m_widgets);

    // The page buttons are too low for the margins of some styles.
    auto *lowButtons = new LowButtonStyle;
    lowButtons->setParent(this);
    for (int command : kPageButtons)
        m_widgets.commands.value(command)->setStyle(lowButtons);

    // The panels lie behind the buttons in front of them.
    client->findChild<QLineEdit *>(QStringLiteral("Text1"))->lower();
    client->findChild<QLineEdit *>(QStringLiteral("Text2"))->lower();
    m_widgets.labels.value(8)->lower();
}

void MainWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&Файл"));
    file->setObjectName(QStringLiteral("File"));
    file->menuAction()->setObjectName(QStringLiteral("File"));
    auto addItem = [](QMenu *menu, const char *name, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    auto addSeparator = [](QMenu *menu, const char *name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    QAction *newFile = addItem(file, "New", QStringLiteral("&Новый"));
    QAction *open = addItem(file, "open", QStringLiteral("&Открыть"));
    addSeparator(file, "cherta");
    m_save = addItem(file, "save", QStringLiteral("&Сохранить"));
    m_saveAs = addItem(file, "saveas", QStringLiteral("Сохранить &как..."));
    addSeparator(file, "cherta1");
    m_check = addItem(file, "Proverka", QStringLiteral("&Проверить"));
    addSeparator(file, "k");
    QAction *exit = addItem(file, "Exit2", QStringLiteral("&Выход"));

    QMenu *help = menuBar()->addMenu(QStringLiteral("&?!"));
    help->setObjectName(QStringLiteral("VoprosListing"));
    help->menuAction()->setObjectName(QStringLiteral("VoprosListing"));
    QAction *about = addItem(help, "ObProge", QStringLiteral("&О программе"));
    addSeparator(help, "we");
    QAction *listing = addItem(help, "Listing", QStringLiteral("&Листинг"));

    connect(newFile, &QAction::triggered, this, [this] { m_commands.newCommand(); });
    connect(open, &QAction::triggered, this, [this] { m_commands.openCommand(); });
    connect(m_save, &QAction::triggered, this, [this] { m_commands.saveCommand(); });
    connect(m_saveAs, &QAction::triggered, this, [this] { m_commands.saveAsCommand(); });
    connect(m_check, &QAction::triggered, this, [this] { m_commands.checkCommand(); });
    connect(exit, &QAction::triggered, this, &MainWindow::exitRequested);
    connect(about, &QAction::triggered, this, [this] { showAboutWindow(this); });
    connect(listing, &QAction::triggered, this, [this] { showListingWindow(this); });
}

void MainWindow::connectControls()
{
    for (const auto &entry : kPageCommands) {
        const Page page = entry.page;
        connect(m_widgets.commands.value(entry.command), &QPushButton::clicked, this,
                [this, page] { m_commands.showPage(page); });
    }
    // An arrow hides its own page, and with it the focus it held; the focus
    // goes on to the first field of the page it leads to.
    for (int arrow : kPageArrows)
        connect(m_widgets.commands.value(arrow), &QPushButton::clicked, this, [this] {
            for (QWidget *page : m_widgets.frames) {
                if (page && page->isVisible()) {
                    if (QWidget *first = firstFocusOnPage(page))
                        first->setFocus(Qt::TabFocusReason);
                    return;
                }
            }
        });
    connect(m_widgets.commands.value(7), &QPushButton::clicked, this, &MainWindow::exitRequested);
    connect(m_widgets.commands.value(9), &QPushButton::clicked, this,
            [this] { m_host.showWindow(WindowId::Torque); });

    auto *fields = new FieldBindings(m_core, this);
    for (auto it = m_widgets.texts.cbegin(); it != m_widgets.texts.cend(); ++it)
        fields->bind(it.key(), it.value());
    for (FieldLabel *label : std::as_const(m_widgets.labels))
        connect(label, &FieldLabel::clicked, this, [this] { m_core.labelClicked(); });
    for (auto it = m_widgets.checks.cbegin(); it != m_widgets.checks.cend(); ++it) {
        const int slot = it.key();
        connect(it.value(), &ValueCheckBox::userClicked, this, [this, slot] { m_core.clickCheckBox(slot); });
    }
    for (auto it = m_widgets.combos.cbegin(); it != m_widgets.combos.cend(); ++it) {
        const int slot = it.key();
        QComboBox *list = it.value();
        connect(list, qOverload<int>(&QComboBox::activated), this, [this, slot, list](int position) {
            m_core.chooseComboItem(slot, position);
            // A pick the model did not take is taken back.
            list->setCurrentIndex(m_core.form().combo(slot));
        });
    }
}

void MainWindow::onModelChanged(FormState::Item item, int index)
{
    const FormState &form = m_core.form();
    switch (item) {
    case FormState::Item::Check:
        if (ValueCheckBox *box = m_widgets.checks.value(index))
            box->showValue(form.check(index));
        break;
    case FormState::Item::CheckEnabled:
        if (ValueCheckBox *box = m_widgets.checks.value(index))
            box->setEnabled(form.checkEnabled(index));
        break;
    case FormState::Item::Combo:
        if (QComboBox *list = m_widgets.combos.value(index))
            list->setCurrentIndex(form.combo(index));
        break;
    case FormState::Item::ComboEnabled:
        if (QComboBox *list = m_widgets.combos.value(index))
            list->setEnabled(form.comboEnabled(index));
        break;
    case FormState::Item::Caption:
        setWindowTitle(form.caption());
        break;
    case FormState::Item::PageTitle:
        m_pageTitle->setPlainText(displayText(form.pageTitle()));
        break;
    case FormState::Item::FrameVisible:
        if (index >= 1 && index <= 9)
            m_widgets.frames[index]->setVisible(form.frameVisible(index));
        break;
    case FormState::Item::PageButtons:
        for (int command : kPageButtons)
            m_widgets.commands.value(command)->setEnabled(form.pageButtonsEnabled());
        break;
    case FormState::Item::MenuSave:
        m_save->setEnabled(form.menuSaveEnabled());
        break;
    case FormState::Item::MenuSaveAs:
        m_saveAs->setEnabled(form.menuSaveAsEnabled());
        break;
    case FormState::Item::MenuCheck:
        m_check->setEnabled(form.menuCheckEnabled());
        break;
    default:
        break; // the text fields follow their bindings; the rest are other windows' items
    }
}

void MainWindow::syncAll()
{
    const FormState &form = m_core.form();
    for (int slot : m_widgets.checks.keys()) {
        onModelChanged(FormState::Item::Check, slot);
        onModelChanged(FormState::Item::CheckEnabled, slot);
    }
    for (int slot : m_widgets.combos.keys()) {
        onModelChanged(FormState::Item::Combo, slot);
        onModelChanged(FormState::Item::ComboEnabled, slot);
    }
    // Until the core names the car, the window keeps its own caption.
    if (!form.caption().isEmpty())
        onModelChanged(FormState::Item::Caption, 0);
    onModelChanged(FormState::Item::PageTitle, 0);
    for (int frame = 1; frame <= 9; ++frame)
        onModelChanged(FormState::Item::FrameVisible, frame);
    for (auto item : {FormState::Item::PageButtons, FormState::Item::MenuSave,
                      FormState::Item::MenuSaveAs, FormState::Item::MenuCheck})
        onModelChanged(item, 0);
}

void MainWindow::exitRequested()
{
    if (m_commands.exitCommand())
        endProgram();
}

void MainWindow::endProgram()
{
    m_ended = true;
    m_host.discardWindows();
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_ended) {
        event->accept();
        return;
    }
    if (!m_commands.closeRequested()) {
        event->ignore();
        return;
    }
    m_ended = true;
    m_host.discardWindows();
    event->accept();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    // Whatever size the frame was given, the window goes back to its own,
    // unless it is minimised.
    if (!isMinimized() && size() != m_fixedSize)
        QTimer::singleShot(0, this, [this] {
            if (!isMinimized() && size() != m_fixedSize)
                resize(m_fixedSize);
        });
}

} // namespace tuneks

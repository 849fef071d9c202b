#include "aboutwindow.h"

#include "dialogparts.h"
#include "pictures.h"

#include "uiface.h"

#include <QDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>

namespace tuneks {

namespace {

constexpr int kClientWidth = 313;
constexpr int kClientHeight = 342;

const char *const kProgramText =
    "Программа:\n"
    "   Тюнекс Редактор, версия 1.0\n"
    "   редактор физики машин\n"
    "   для Need For Speed 6";

const char *const kTeamText =
    "Разработка:\n"
    "   команда проекта «Тюнекс»\n"
    "   исходный текст ядра - в окне «Листинг»";

// Fixed lines of about fifty characters, broken by hand: a paragraph's first
// line is indented by nine blanks, the others by five. The last lines leave
// the lower right corner to the signature.
const char *const kDescription =
    "   О программе:\n"
    "         Эта программа написана для того, чтобы об-\n"
    "     легчить редактирование физики машин в игре\n"
    "     Need For Speed 6 Hot Pursuit.\n"
    "         Программа распространяется бесплатно: её\n"
    "     можно копировать и передавать другим без\n"
    "     изменений и без оплаты.\n"
    "         Программа поставляется «как есть»; за по-\n"
    "     следствия правки физики разработчики не\n"
    "     отвечают.";

QPlainTextEdit *makeTextBox(const char *name, const char *text, QRect geometry, QWidget *parent)
{
    auto *box = new QPlainTextEdit(QString::fromUtf8(text), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setGeometry(geometry);
    // Room between the sunken border and the text, as an edit box leaves.
    box->document()->setDocumentMargin(4);
    return box;
}

QLabel *makePicture(const char *name, const QString &resource, QRect geometry, QWidget *parent)
{
    auto *picture = new SharpPicture(resource, parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setGeometry(geometry);
    return picture;
}

} // namespace

QDialog *createAboutWindow(QWidget *parent)
{
    auto *window = new QDialog(parent);
    window->setObjectName(QStringLiteral("Form9"));
    window->setWindowTitle(QStringLiteral("Об авторе и о программе."));
    window->setFixedSize(kClientWidth, kClientHeight);
    window->setFont(UiFace::font(8));

    auto *text1 = makeTextBox("Text1", kProgramText, QRect(104, 8, 193, 85), window);

    // Picture1: 1120 x 1280 twips with a sunken border and a white inside;
    // Image1 stands 8 pixels into its interior.
    auto *frame = new QFrame(window);
    frame->setObjectName(QStringLiteral("Picture1"));
    frame->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    frame->setGeometry(16, 8, 75, 85);
    frame->setFocusPolicy(Qt::StrongFocus);
    frame->setAutoFillBackground(true);
    QPalette white = frame->palette();
    white.setColor(QPalette::Window, Qt::white);
    frame->setPalette(white);
    makePicture("Image1", QStringLiteral(":/images/helmet.png"),
                QRect(frame->frameWidth() + 8, frame->frameWidth() + 8, 56, 66), frame);

    auto *text2 = makeTextBox("Text2", kTeamText, QRect(16, 104, 281, 65), window);

    auto *description = new QLabel(QString::fromUtf8(kDescription), window);
    description->setObjectName(QStringLiteral("Label1"));
    description->setGeometry(16, 176, 281, 153);
    description->setFrameStyle(QFrame::Box | QFrame::Plain);
    description->setLineWidth(1);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description->setAutoFillBackground(true);
    description->setPalette(white);

    // The signature stands in the description's lower right corner, inside
    // its border; its transparent paper lets the text show through.
    const QRect inside = description->contentsRect().translated(description->pos());
    auto *signature = makePicture("Image2", QStringLiteral(":/images/signature.png"),
                                  QRect(inside.right() + 1 - 96, inside.bottom() + 1 - 63, 96, 63), window);
    signature->raise();

    QWidget::setTabOrder(text1, frame);
    QWidget::setTabOrder(frame, text2);
    text1->setFocus();
    return window;
}

void showAboutWindow(QWidget *parent)
{
    QDialog *window = createAboutWindow(parent);
    centreOnScreen(window, parent);
    window->exec();
    delete window;
}

} // namespace tuneks

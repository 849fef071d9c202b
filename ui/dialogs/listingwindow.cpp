#include "listingwindow.h"

#include "aboutwindow.h"
#include "crispframe.h"
#include "dialogparts.h"
#include "uiface.h"

#include <QDialog>
#include <QFile>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QResizeEvent>

// The generated resource lives in this static library; referencing it keeps
// the linker from dropping it.
static void initListingResource()
{
    Q_INIT_RESOURCE(core_listing);
}

namespace tuneks {

namespace {

constexpr int kOuterWidth = 853;  // 12800 twips
constexpr int kOuterHeight = 507; // 7600 twips

QString coreSource()
{
    initListingResource();
    QFile file(QStringLiteral(":/listing/core.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// Keeps Text1 filling the client area whenever the window's size changes.
class ListingWindow : public QDialog {
public:
    explicit ListingWindow(QWidget *parent) : QDialog(parent)
    {
        setObjectName(QStringLiteral("Form4"));
        setWindowTitle(QStringLiteral("Листинг"));
        // The window has no icon of its own: a transparent one stands in for
        // the application's.
        QPixmap blank(16, 16);
        blank.fill(Qt::transparent);
        setWindowIcon(QIcon(blank));

        m_text = new QPlainTextEdit(this);
        m_text->setObjectName(QStringLiteral("Text1"));
        m_text->setReadOnly(true);
        m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
        m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m_text->setFont(UiFace::fixedFont(9.75));
        m_text->setPlainText(listingText());
        // Its lower edge falls between device pixels on screens scaled by a fraction.
        keepBorderOnDevicePixels(m_text);

        // Form_Load: the outer size is fixed; the frame's share comes off it.
        resize(QSize(kOuterWidth, kOuterHeight) - frameExtent(this, parent));
        layOutText();
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QDialog::resizeEvent(event);
        layOutText();
    }

private:
    // Form_Resize: Text1 at the client area's top-left, at its full size.
    void layOutText() { m_text->setGeometry(0, 0, width(), height()); }

    QPlainTextEdit *m_text = nullptr;
};

} // namespace

QString listingText()
{
    const QString rule(70, QLatin1Char('='));
    QString text = coreSource();
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    text += rule + QLatin1Char('\n');
    text += QStringLiteral("Примечания автора.\n");
    text += rule + QLatin1Char('\n');
    text += QStringLiteral(
        "Ядро не знает ни одного окна: значения полей живут в модели FormState, окна только отражают её.\n"
        "Имена в коде - английские слова, которые говорят, что делает процедура или что хранит переменная.\n"
        "Файл хранится строками байтов: строка, которой не касалась правка, записывается точно такой, какой была прочитана.\n"
        "Загрузка, проверки и сохранение проверяются тестами, которые работают без единого окна.\n");
    return text;
}

QDialog *createListingWindow(QWidget *parent)
{
    auto *window = new ListingWindow(parent);
    centreOnScreen(window, parent);
    return window;
}

void showListingWindow(QWidget *parent)
{
    QDialog *window = createListingWindow(parent);
    window->exec();
    delete window;
}

} // namespace tuneks

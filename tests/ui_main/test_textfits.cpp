// Every text the windows show must fit the box it was laid out for, in the
// embedded face: a caption that loses its colon or a button whose word runs
// under its edge reads as broken on any machine.
#include "uitestsupport.h"

#include "templates.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

using namespace tuneks;

namespace {

QString withoutAccessMarks(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

QString describe(const QWidget *widget, const QString &text)
{
    return widget->window()->objectName() + QLatin1Char('/') + widget->objectName() +
           QStringLiteral(": \"") + text + QLatin1Char('"');
}

// The room a label's text has: its contents less margin and indent. A text
// of several lines needs room for all of them.
void checkLabel(const QLabel *label, QStringList &clipped)
{
    const QString text = label->text();
    if (text.isEmpty() || label->textFormat() == Qt::RichText)
        return;
    const QFontMetrics metrics(label->font());
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                      -label->margin(), -label->margin());
    if (label->wordWrap()) {
        const QRect needed = metrics.boundingRect(room, Qt::TextWordWrap | label->alignment(), text);
        if (needed.height() > room.height() || needed.width() > room.width())
            clipped << describe(label, text);
        return;
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines)
        if (metrics.horizontalAdvance(line) > room.width())
            clipped << describe(label, line);
    if (metrics.height() + metrics.lineSpacing() * (lines.size() - 1) > room.height())
        clipped << describe(label, text) + QStringLiteral(" (height)");
}

// Buttons, check boxes and option buttons: the room the style leaves for
// the caption beside the box or inside the bevel.
void checkButton(QAbstractButton *button, QStringList &clipped)
{
    const QString text = withoutAccessMarks(button->text());
    if (text.isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle *style = button->style();
    QRect room;
    if (qobject_cast<QCheckBox *>(button))
        room = style->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
    else if (qobject_cast<QRadioButton *>(button))
        room = style->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
    else
        room = style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QFontMetrics metrics(button->font());
    if (metrics.horizontalAdvance(text) > room.width() || metrics.height() > room.height())
        clipped << describe(button, text);
}

// A list's items are read in its drop-down, which may be wider than the
// closed box; the items must fit the drop-down as it opens.
void checkComboBox(QComboBox *combo, QStringList &clipped)
{
    if (combo->count() == 0)
        return;
    const bool wasEnabled = combo->isEnabled();
    combo->setEnabled(true);
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    const int room = view->viewport()->width();
    const QFontMetrics metrics(view->font());
    for (int i = 0; i < combo->count(); ++i) {
        const int needed = metrics.horizontalAdvance(combo->itemText(i));
        if (needed > room)
            clipped << describe(combo, combo->itemText(i)) + QStringLiteral(" (%1 > %2)").arg(needed).arg(room);
    }
    combo->hidePopup();
    combo->setEnabled(wasEnabled);
}

void checkList(QListWidget *list, QStringList &clipped)
{
    const QFontMetrics metrics(list->font());
    const int room = list->viewport()->width() - 2 * list->spacing();
    for (int i = 0; i < list->count(); ++i) {
        const QString text = list->item(i)->text();
        if (metrics.horizontalAdvance(text) > room)
            clipped << describe(list, text);
    }
}

// A read-only text box whose lines are broken by hand neither wraps nor
// scrolls: each line must fit as drawn.
void checkTextBox(QPlainTextEdit *box, QStringList &clipped)
{
    if (!box->isReadOnly())
        return;
    const QFontMetrics metrics(box->font());
    const int margin = 2 * int(box->document()->documentMargin());
    const QSize room = box->contentsRect().size() - QSize(margin, margin);
    const QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
    for (const QString &line : lines)
        if (metrics.horizontalAdvance(line) > room.width())
            clipped << describe(box, line);
    if (metrics.lineSpacing() * lines.size() > room.height())
        clipped << describe(box, box->toPlainText()) + QStringLiteral(" (height)");
}

QStringList clippedTexts(QWidget *window)
{
    QStringList clipped;
    for (QLabel *label : window->findChildren<QLabel *>())
        checkLabel(label, clipped);
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        checkButton(button, clipped);
    for (QComboBox *combo : window->findChildren<QComboBox *>())
        checkComboBox(combo, clipped);
    for (QListWidget *list : window->findChildren<QListWidget *>())
        checkList(list, clipped);
    for (QPlainTextEdit *box : window->findChildren<QPlainTextEdit *>())
        checkTextBox(box, clipped);
    return clipped;
}

void expectAllFit(QWidget *window, const char *what)
{
    const QStringList clipped = clippedTexts(window);
    EXPECT_TRUE(clipped.isEmpty()) << what << ":\n" << qPrintable(clipped.join(QLatin1Char('\n')));
}

void expectEveryWindowFits()
{
    Editor editor;
    // The face is the embedded one, not a stand-in from the system.
    const QFontInfo used(editor.find<QLabel>(QStringLiteral("Label1(2)"))->font());
    EXPECT_EQ(used.family(), QStringLiteral("Liberation Sans"));

    expectAllFit(editor.window.get(), "main window before a file");

    // Each modal window is looked at while it is up, then closed by its button.
    auto fitsInNext = [](const char *window, const char *closeButton, int *listed) {
        whenModalShown([=] {
            QWidget *shown = Editor::topLevel(QString::fromLatin1(window));
            ASSERT_TRUE(shown);
            if (auto *list = shown->findChild<QListWidget *>())
                *listed = list->count();
            expectAllFit(shown, window);
            clickIn(QString::fromLatin1(window), QString::fromLatin1(closeButton));
        });
    };
    int listed = -1;
    fitsInNext("Form5", "Command1", &listed);
    editor.trigger(QStringLiteral("New"));
    // Every page is built; a document makes the page buttons and lists live.
    expectAllFit(editor.window.get(), "main window with a document");

    // A new document's first save lists every checked field as empty.
    editor.trigger(QStringLiteral("save"));
    QWidget *errors = Editor::topLevel(QStringLiteral("Form2"));
    ASSERT_TRUE(errors);
    ASSERT_GT(errors->findChild<QListWidget *>()->count(), 30);
    expectAllFit(errors, "errors window");

    editor.openFile(editor.writeFile(QStringLiteral("car.ini"), Templates::lamborghini()));
    editor.click(QStringLiteral("Command9"));
    QWidget *torque = Editor::topLevel(QStringLiteral("Form3"));
    ASSERT_TRUE(torque);
    expectAllFit(torque, "torque window");

    // Every torque field wrong: the longest list the torque check can make.
    for (int slot = 41; slot <= 64; ++slot)
        editor.form.setText(slot, QStringLiteral("1,5"));
    fitsInNext("Form2_2", "Command3", &listed);
    editor.torque.closeWindow();
    EXPECT_EQ(listed, 24);

    bool aboutSeen = false;
    whenModalShown([&] {
        QWidget *about = Editor::topLevel(QStringLiteral("Form9"));
        aboutSeen = about != nullptr;
        expectAllFit(about, "about window");
        about->close();
    });
    editor.trigger(QStringLiteral("ObProge"));
    EXPECT_TRUE(aboutSeen);
}

} // namespace

// In the platform's own style and in the Windows styles, wherever they
// exist; CTest runs this program at 100, 125, 150 and 200 %.
TEST(TextFits, EveryWindowShowsItsTextsWholeInTheEmbeddedFace)
{
    const QString own = QApplication::style()->name();
    QStringList styles{own};
    for (const QString &name : {QStringLiteral("windows"), QStringLiteral("windowsvista")})
        if (QStyleFactory::keys().contains(name, Qt::CaseInsensitive) && !styles.contains(name, Qt::CaseInsensitive))
            styles << name;
    for (const QString &style : std::as_const(styles)) {
        SCOPED_TRACE(style.toStdString() + " style at " + std::to_string(qApp->devicePixelRatio()));
        QApplication::setStyle(style);
        expectEveryWindowFits();
    }
    QApplication::setStyle(own);
}

#include "uitestsupport.h"

#include "uiface.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

Editor::Editor() : core(form, host), window(std::make_unique<MainWindow>(core, host))
{
    window->show();
}

QWidget *Editor::topLevel(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name)
            return widget;
    return nullptr;
}

QString Editor::writeFile(const QString &fileName, const QVector<QByteArray> &lines) const
{
    const QString path = dir.filePath(fileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    for (const QByteArray &line : lines)
        file.write(line + "\r\n");
    return path;
}

void Editor::openFile(const QString &path)
{
    host.openNames.append(path);
    trigger(QStringLiteral("open"));
}

void Editor::trigger(const QString &actionName)
{
    QAction *action = window->findChild<QAction *>(actionName);
    if (action && action->isEnabled())
        action->trigger();
}

void Editor::click(const QString &buttonName)
{
    if (auto *button = find<QPushButton>(buttonName))
        QTest::mouseClick(button, Qt::LeftButton);
}

void Editor::type(int slot, const QString &keys)
{
    if (auto *edit = find<QLineEdit>(QStringLiteral("Text(%1)").arg(slot))) {
        edit->setFocus();
        typeKeys(edit, keys);
    }
}

void typeKeys(QWidget *widget, const QString &keys)
{
    for (const QChar ch : keys)
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent key(type, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(widget, &key);
        }
}

void whenModalShown(std::function<void()> action)
{
    QTimer::singleShot(0, qApp, std::move(action));
}

void inNextModal(const QString &name, std::function<void(QWidget *)> action)
{
    whenModalShown([name, action = std::move(action)] {
        if (QWidget *window = Editor::topLevel(name))
            return action(window);
        ADD_FAILURE() << "no window " << name.toStdString(); // closes what is up rather than hang
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
}

void inNextMessageBox(ScriptedHost &host, std::function<void(QMessageBox *)> action)
{
    host.realMessageBoxes = true;
    whenModalShown([&host, action = std::move(action)] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        host.realMessageBoxes = false;
        action(box);
    });
}

void clickIn(const QString &windowName, const QString &buttonName)
{
    QWidget *top = Editor::topLevel(windowName);
    if (auto *button = top ? top->findChild<QPushButton *>(buttonName) : nullptr)
        QTest::mouseClick(button, Qt::LeftButton);
}

QStringList focusStopsThatAreNoControls(QWidget *window)
{
    QStringList stops;
    for (QWidget *w : window->findChildren<QWidget *>())
        if ((w->focusPolicy() & Qt::TabFocus) && w->property("readOnly").toBool())
            stops << w->objectName();
    return stops;
}

// The window tests run offscreen unless the caller chose otherwise, in the program's font engine and face.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    UiFace::chooseFontEngine();
    QApplication app(argc, argv);
    UiFace::applyToApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// The floor of the start-up measurement: a bare Qt Widgets main window with
// as many widgets of each standard kind, hidden where the editor's are
// hidden, and as many menus and menu items as the editor's main window.
// The census comes as the only argument, in the form the first-frame hook
// prints it (see firstframe.cpp); the hook linked in here quits after the
// first painted frame as it does for the editor.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>

#include <cstdio>

namespace {

QWidget *make(const QByteArray &kind, QWidget *parent)
{
    if (kind == "QPlainTextEdit")
        return new QPlainTextEdit(QStringLiteral("text"), parent);
    if (kind == "QTextEdit")
        return new QTextEdit(QStringLiteral("text"), parent);
    if (kind == "QLineEdit")
        return new QLineEdit(QStringLiteral("1439.0"), parent);
    if (kind == "QComboBox") {
        auto *box = new QComboBox(parent);
        box->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
        return box;
    }
    if (kind == "QCheckBox")
        return new QCheckBox(QStringLiteral("box"), parent);
    if (kind == "QRadioButton")
        return new QRadioButton(QStringLiteral("option"), parent);
    if (kind == "QPushButton")
        return new QPushButton(QStringLiteral("button"), parent);
    if (kind == "QToolButton")
        return new QToolButton(parent);
    if (kind == "QLabel")
        return new QLabel(QStringLiteral("label"), parent);
    if (kind == "QGroupBox")
        return new QGroupBox(QStringLiteral("group"), parent);
    if (kind == "QFrame")
        return new QFrame(parent);
    return new QWidget(parent);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s '<census>'\n", argv[0]);
        return 2;
    }
    const QList<QByteArray> parts = QByteArray(argv[1]).split(';');
    QMainWindow window;
    auto *client = new QWidget(&window);
    const QList<QByteArray> size = parts.value(0).split('x');
    window.setCentralWidget(client);
    window.setFixedSize(size.value(0).toInt(), size.value(1).toInt());

    int placed = 0;
    for (const QByteArray &entry : parts.value(1).split(',')) {
        const QList<QByteArray> kv = entry.split('=');
        QByteArray kind = kv.value(0);
        const bool hidden = kind.endsWith("~hidden");
        if (hidden)
            kind.chop(7);
        for (int i = 0; i < kv.value(1).toInt(); ++i, ++placed) {
            QWidget *w = make(kind, client);
            w->setGeometry((placed % 12) * 50, (placed / 12 % 20) * 20, 48, 19);
            // Hidden like the pages the editor does not show at start.
            w->setVisible(!hidden);
        }
    }
    const int menus = parts.value(2).mid(6).toInt();
    const int actions = parts.value(3).mid(8).toInt();
    for (int m = 0; m < menus; ++m) {
        QMenu *menu = window.menuBar()->addMenu(QStringLiteral("Menu %1").arg(m));
        for (int a = m; a < actions; a += menus)
            menu->addAction(QStringLiteral("Item %1").arg(a));
    }
    window.show();
    return app.exec();
}

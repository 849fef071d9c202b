// The nine pages of the main window, each a borderless white frame holding
// its captions and fields at their twip positions (relative to the page).

#include "pagebuilder.h"

#include <QList>
#include <QPalette>
#include <QWidget>

namespace tuneks {

namespace {

using Align = PageBuilder::Align;
using Direction = ArrowButton::Direction;

void general(PageBuilder &p)
{
    p.label(0, QStringLiteral("Полное название машины:"), 120, 240, 2655);
    p.text(1, 2880, 240, 3495);
    p.image(QStringLiteral("Image1"), QStringLiteral(":/images/image1.png"), 4200, 600, 2025, 660);
    p.label(1, QStringLiteral("Масса машины:"), 360, 720, 1575, Align::Right);
    p.text(2, 2040, 720, 1575);
    p.label(5, QStringLiteral("Гравитация:"), 480, 1080, 1215);
    p.text(8, 1800, 1080, 1215);
    p.label(6, QStringLiteral("Скольжение задней оси:"), 480, 1440, 2415);
    p.text(9, 3000, 1440, 1215);
    p.label(13, QStringLiteral("Инерционность:"), 480, 1800, 1815);
    p.text(28, 2280, 1800, 1215);
    p.label(48, QStringLiteral("\"Звук\" двигателя:"), 480, 2160, 1815);
    p.combo(126, 2280, 2160, 4095);
    p.label(49, QStringLiteral("Тип сигнала:"), 480, 2520, 2415);
    p.combo(127, 1800, 2520, 4575);
}

void gearbox(PageBuilder &p)
{
    p.label(15, QStringLiteral("Количество передач:"), 360, 360, 4095);
    p.combo(71, 2640, 360, 735);
    p.check(73, 3720, 360, QStringLiteral("Автоматическая КПП"));
    p.label(16, QStringLiteral("Автоматическая КПП"), 4080, 360, 2295);
    p.label(36, QStringLiteral("Задержка:"), 3720, 720, 1215);
    p.text(72, 4800, 720, 975);
    p.label(23, QStringLiteral("Передаточное числа..."), 360, 840, 2295);
    p.line(240, 1200, 6360, 1200);
    p.label(24, QStringLiteral("Заднего хода"), 480, 1320, 1455);
    p.text(74, 1920, 1320, 975);
    p.label(31, QStringLiteral("Нейтрали"), 3480, 1320, 1455);
    p.text(75, 4440, 1320, 975);
    p.label(25, QStringLiteral("1-ой передачи"), 480, 1680, 2295);
    p.text(76, 2040, 1680, 975);
    p.label(28, QStringLiteral("4-ой передачи"), 3480, 1680, 1455);
    p.text(79, 5040, 1680, 975);
    p.label(26, QStringLiteral("2-ой передачи"), 480, 2040, 1455);
    p.text(77, 2040, 2040, 975);
    p.label(29, QStringLiteral("5-ой передачи"), 3480, 2040, 1455);
    p.text(80, 5040, 2040, 975);
    p.label(27, QStringLiteral("3-ей передачи"), 480, 2400, 1455);
    p.text(78, 2040, 2400, 975);
    p.label(30, QStringLiteral("6-ой передачи"), 3480, 2400, 1455);
    p.text(81, 5040, 2400, 975);
    p.arrow(10, Direction::Down, 6240, 2520);
    // The page reads as two columns: down the left one (the number of gears,
    // reverse, 1st to 3rd), then down the right one (the automatic gearbox,
    // its delay, neutral, 4th to 6th).
    p.focusOrder({"Combo1", "Text(74)", "Text(76)", "Text(77)", "Text(78)", "Check2", "Text(72)",
                  "Text(75)", "Text(79)", "Text(80)", "Text(81)"});
}

void driveTrain(PageBuilder &p)
{
    p.label(32, QStringLiteral("Главное передаточное число:"), 120, 240, 3015);
    p.text(93, 3120, 240, 855);
    p.arrow(11, Direction::Up, 6240, 240);
    p.line(4200, 240, 4200, 2760);
    p.image(QStringLiteral("Image2"), QStringLiteral(":/images/image2.png"), 4680, 240, 1275, 2550);
    // One drive-wheel box at each corner of the picture.
    p.check(24, 4440, 480, QStringLiteral("Привод: переднее левое колесо"));
    p.check(25, 6000, 480, QStringLiteral("Привод: переднее правое колесо"));
    p.check(27, 4440, 2040, QStringLiteral("Привод: заднее левое колесо"));
    p.check(26, 6000, 2040, QStringLiteral("Привод: заднее правое колесо"));
    p.label(12, QStringLiteral("Привод:"), 3240, 2520, 855, Align::Right);
    // Down the left wheels, then down the right ones.
    p.focusOrder({"Text(93)", "Check1(0)", "Check1(1)", "Check1(2)", "Check1(3)"});
}

void frontWheels(PageBuilder &p)
{
    p.label(14, QStringLiteral("Радиус поворота:"), 240, 360, 1815);
    p.text(17, 2040, 360, 1215);
    p.label(33, QStringLiteral("Передние колёса..."), 240, 840, 1815);
    p.line(240, 1200, 6360, 1200);
    p.label(2, QStringLiteral("Расстояние между передними колёсами:"), 240, 1440, 4095);
    p.text(5, 4320, 1440, 1935);
    p.label(34, QStringLiteral("Ширена покрышки в мм:"), 240, 1800, 2415);
    p.text(108, 2640, 1800, 1095);
    p.image(QStringLiteral("Image4(1)"), QStringLiteral(":/images/image4_1.png"), 4440, 1800, 1965,
            585);
    p.label(35, QStringLiteral("Диаметр дисков в дюймах:"), 240, 2160, 3015);
    p.text(110, 2880, 2160, 1095);
    p.label(37, QStringLiteral("Максимальное сцепление:"), 240, 2520, 3255);
    p.text(112, 2880, 2520, 1095);
    p.arrow(13, Direction::Down, 6240, 2520);
}

void rearWheels(PageBuilder &p)
{
    p.label(41, QStringLiteral("Задние колёса..."), 240, 240, 1815);
    p.arrow(14, Direction::Up, 6240, 240);
    p.line(240, 600, 6360, 600);
    p.label(3, QStringLiteral("Расстояние между задними колёсами:"), 240, 840, 3855);
    p.text(6, 4080, 840, 1935);
    p.label(38, QStringLiteral("Ширена покрышки в мм:"), 240, 1200, 2415);
    p.text(96, 2640, 1200, 1095);
    p.image(QStringLiteral("Image3(1)"), QStringLiteral(":/images/image3_1.png"), 4440, 1200, 1965,
            630);
    p.label(39, QStringLiteral("Диаметр дисков в дюймах:"), 240, 1560, 3015);
    p.text(98, 2880, 1560, 1095);
    p.label(40, QStringLiteral("Максимальное сцепление:"), 240, 1920, 3255);
    p.text(100, 2880, 1920, 1095);
}

void suspension(PageBuilder &p)
{
    p.label(4, QStringLiteral("Клиренс:"), 240, 360, 975, Align::Centre);
    p.text(7, 1200, 360, 1335);
    p.label(17, QStringLiteral("Жёсткость (передняя ось):"), 240, 720, 2655);
    p.text(29, 2880, 720, 1215);
    p.image(QStringLiteral("Image4(0)"), QStringLiteral(":/images/image4_0.png"), 4440, 720, 1965,
            585);
    p.label(19, QStringLiteral("Перемещение (передней оси):"), 240, 1080, 3015);
    p.text(36, 3240, 1080, 1095);
    p.label(18, QStringLiteral("Жёсткость (задняя ось):"), 240, 1560, 2415);
    p.text(30, 2640, 1560, 1215);
    p.image(QStringLiteral("Image3(0)"), QStringLiteral(":/images/image3_0.png"), 4440, 1560, 1965,
            630);
    p.label(20, QStringLiteral("Перемещение (задней оси):"), 240, 1920, 2775);
    p.text(37, 3000, 1920, 1095);
}

void aerodynamics(PageBuilder &p)
{
    p.image(QStringLiteral("Image5"), QStringLiteral(":/images/image5.png"), 3720, 240, 2805, 990);
    p.label(9, QStringLiteral("Лобовое сопрот - ние:"), 240, 360, 2175);
    p.text(11, 2520, 360, 1095);
    p.label(11, QStringLiteral("Поднимающая сила:"), 240, 840, 2055);
    p.text(14, 2280, 840, 1215);
    p.label(7, QStringLiteral("Прижимная сила передних колёс:"), 240, 1320, 3495);
    p.text(12, 3600, 1320, 1215);
    p.label(10, QStringLiteral("Прижимная сила задних колёс:"), 240, 1800, 3375);
    p.text(13, 3360, 1800, 1215);
}

void brakes(PageBuilder &p)
{
    p.label(42, QStringLiteral("Передняя тормозная система..."), 240, 240, 4095);
    p.line(240, 600, 6360, 600);
    p.label(44, QStringLiteral("Диаметр тормозного диска:"), 240, 720, 4095);
    p.text(124, 3120, 720, 975);
    p.check(125, 240, 1080, QStringLiteral("АБС"));
    p.label(46, QStringLiteral("АБС"), 600, 1080, 4095);
    p.label(43, QStringLiteral("Задняя тормозная система..."), 240, 1560, 4095);
    p.line(240, 1920, 6360, 1920);
    p.label(45, QStringLiteral("Диаметр тормозного диска:"), 240, 2040, 4095);
    p.text(120, 3120, 2040, 975);
    p.check(121, 240, 2400, QStringLiteral("АБС"));
    p.label(47, QStringLiteral("АБС"), 600, 2400, 4095);
}

void engine(PageBuilder &p)
{
    p.label(21, QStringLiteral("Число оборотов на х/х:"), 240, 360, 2895);
    p.text(39, 2520, 360, 1215);
    p.label(22, QStringLiteral("Максимальные обороты:"), 240, 720, 2415);
    p.text(40, 2760, 720, 1215);
    QPushButton *torque =
        p.button(9, QStringLiteral("&Настроить крутящий момент"), 360, 1200, 3375, 495);
    // This one button has a white face.
    QPalette palette = torque->palette();
    palette.setColor(QPalette::Button, Qt::white);
    torque->setPalette(palette);
}

// Every control of `page` that Tab can reach, in focus order.
QList<QWidget *> focusChainOf(QWidget *page)
{
    QList<QWidget *> chain;
    for (QWidget *w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus))
            chain.append(w);
    }
    return chain;
}

// The arrow leads to another page, so the keyboard reaches it after the
// page's own fields.
void lastInFocusOrder(QWidget *page, QWidget *arrow)
{
    const QList<QWidget *> chain = focusChainOf(page);
    if (arrow && !chain.isEmpty() && chain.last() != arrow)
        QWidget::setTabOrder(chain.last(), arrow);
}

} // namespace

QWidget *firstFocusOnPage(QWidget *page)
{
    for (QWidget *w : focusChainOf(page)) {
        if (w->isEnabled() && w->isVisibleTo(page))
            return w;
    }
    return nullptr;
}

void buildPages(QWidget *pageArea, FormWidgets &widgets)
{
    using Builder = void (*)(PageBuilder &);
    const Builder builders[10] = {nullptr,     general,  gearbox,      frontWheels, suspension,
                                  aerodynamics, driveTrain, engine, brakes,      rearWheels};
    for (int frame = 1; frame <= 9; ++frame) {
        auto *page = new QWidget(pageArea);
        page->setObjectName(QStringLiteral("Frame%1").arg(frame));
        page->setGeometry(twips(2040, 480, 6615, 2895));
        page->setAutoFillBackground(true);
        QPalette palette = page->palette();
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, Qt::black);
        page->setPalette(palette);
        PageBuilder builder(page, widgets);
        builders[frame](builder);
        lastInFocusOrder(page, page->findChild<ArrowButton *>());
        page->hide();
        widgets.frames[frame] = page;
    }
    // Raised bottom first, so Frame1 ends on top.
    for (int frame : {4, 7, 2, 8, 6, 3, 9, 5, 1})
        widgets.frames[frame]->raise();
}

} // namespace tuneks

#include "slots.h"

#include <QHash>

#include <array>

namespace Slots {

namespace {

// Section numbers of the header lines; index 0 is "no section".
const char *const kHeaders[] = {
    nullptr,        "[basic]",      "[Display_Data]", "[engineblock]", "[transmission]",
    "[rearend]",    "[tire_rear]",  "[tire_front]",   "[brake_rear]",  "[brake_front]",
    "[Skins]",      "[audio]",      "[render]",
};

QVector<SlotInfo> buildTable()
{
    QVector<SlotInfo> t;
    auto text = [&t](int slot, int section, const char *key) {
        t.append({slot, section, key, Control::MainText, 0});
    };
    auto box = [&t](int slot, int section, const char *key, CheckBoxId id) {
        t.append({slot, section, key, Control::CheckBox, id});
    };
    t.append({kNameSlot, 0, nullptr, Control::MainText, 0});
    text(2, 1, "Mass");
    text(5, 1, "FrontTrackWidth");
    text(6, 1, "RearTrackWidth");
    text(7, 1, "VehicleHeight");
    text(8, 1, "HeightOfGravity");
    text(9, 1, "RearSlideFactor");
    text(11, 1, "AeroDragCoefficient");
    text(12, 1, "AeroFrontDownforceCoefficient");
    text(13, 1, "AeroRearDownforceCoefficient");
    text(14, 1, "BodyLiftCoefficient");
    text(17, 1, "TurningCircleRadius");
    // The drive-wheel boxes run clockwise from the top left of the picture,
    // so the box index is not the key number.
    box(24, 1, "driveWheels_0", Check1_0);
    box(25, 1, "driveWheels_1", Check1_2);
    box(26, 1, "driveWheels_2", Check1_3);
    box(27, 1, "driveWheels_3", Check1_1);
    text(28, 1, "YawInertiaFactor");
    text(29, 1, "FrontRollStiffness");
    text(30, 1, "RearRollStiffness");
    text(36, 1, "TravelFront");
    text(37, 1, "TravelRear");
    text(39, 3, "MinRPM");
    text(40, 3, "RedLine");
    static const char *const torqueKeys[] = {
        "torqueCurve_0",  "torqueCurve_1",  "torqueCurve_2",  "torqueCurve_3",  "torqueCurve_4",
        "torqueCurve_5",  "torqueCurve_6",  "torqueCurve_7",  "torqueCurve_8",  "torqueCurve_9",
        "torqueCurve_10", "torqueCurve_11", "torqueCurve_12", "torqueCurve_13", "torqueCurve_14",
        "torqueCurve_15", "torqueCurve_16", "torqueCurve_17", "torqueCurve_18", "torqueCurve_19",
        "torqueCurve_20", "torqueCurve_21", "torqueCurve_22", "torqueCurve_23",
    };
    for (int k = 0; k < 24; ++k)
        t.append({kFirstTorqueSlot + k, 3, torqueKeys[k], Control::TorqueText, 0});
    t.append({kNumberOfGearsSlot, 4, "NumberOfGears", Control::ComboBox, Combo1});
    text(72, 4, "GearShiftDelay");
    box(73, 4, "Automatic", Check2);
    static const char *const gearKeys[] = {
        "GearRatios_0", "GearRatios_1", "GearRatios_2", "GearRatios_3",
        "GearRatios_4", "GearRatios_5", "GearRatios_6", "GearRatios_7",
    };
    for (int k = 0; k < 8; ++k)
        text(74 + k, 4, gearKeys[k]);
    text(93, 5, "FinalGearRatio");
    text(96, 6, "SectionWidth");
    text(98, 6, "WheelDiameter");
    text(100, 6, "PeakFriction");
    text(108, 7, "SectionWidth");
    text(110, 7, "WheelDiameter");
    text(112, 7, "PeakFriction");
    text(120, 8, "BrakeDiameter");
    box(121, 8, "ABS", Check4);
    text(124, 9, "BrakeDiameter");
    box(125, 9, "ABS", Check3);
    t.append({kEngineTypeSlot, 11, "enginetype", Control::ComboBox, Combo2});
    t.append({kHornTypeSlot, 11, "horntype", Control::ComboBox, Combo3});
    return t;
}

const QVector<SlotInfo> &table()
{
    static const QVector<SlotInfo> t = buildTable();
    return t;
}

struct ErrorLabel {
    int slot;
    const char16_t *label;
    const char16_t *suffix;
};

const ErrorLabel kErrorLabels[] = {
    {2, u"Масса", u""},
    {5, u"Расстояние между передними колёсами", u""},
    {6, u"Расстояние между задними колёсами", u""},
    {7, u"Клиренс", u""},
    {8, u"Гравитация", u""},
    {9, u"Скольжение задней осси", u""},
    {11, u"Лобовое сопротивление", u""},
    {12, u"Прижимная сила передних колёс", u""},
    {13, u"Прижимная сила задних колёс", u""},
    {14, u"Поднимающая сила", u""},
    {17, u"Радиус разворота", u""},
    {28, u"Инерционность:", u""},
    {29, u"Жёсткость передней оси", u""},
    {30, u"Жёсткость задней оси", u""},
    {36, u"Перемещение передней оси", u""},
    {37, u" Перемещение задней оси", u""},
    {39, u"Обороты Х/Х", u""},
    {40, u"Предел оборотов", u""},
    {72, u"Задержка", u" (трансмисия)"},
    {74, u"З. Х.", u" (передаточные числа)"},
    {75, u"Нейтраль", u" (передаточные числа)"},
    {76, u"1-ая передача", u" (передаточные числа)"},
    {77, u"2-ая передача", u" (передаточные числа)"},
    {78, u"3-я передача", u" (передаточные числа)"},
    {79, u"4-ая передача", u" (передаточные числа)"},
    {80, u"5-ая передача", u" (передаточные числа)"},
    {81, u"6-ая передача", u" (передаточные числа)"},
    {93, u"Главное передаточное число", u""},
    {96, u"Ширина покрышки", u" (сзади)"},
    {98, u"Диаметр дисков", u" (задних)"},
    {100, u"Наибольшее сцепление", u" (задних колёс)"},
    {108, u"Ширина покрышки", u" (спереди)"},
    {110, u"Диаметр дисков", u" (передних)"},
    {112, u"Наибольшее сцепление", u" (передних колёс)"},
    {120, u"Диаметр задних колёс", u""},
    {124, u"Диаметр передних колёс", u""},
};

} // namespace

const QVector<SlotInfo> &all() { return table(); }

const SlotInfo *bySlot(int slot)
{
    // The write-back asks for every slot number in turn: one look-up each.
    static const std::array<const SlotInfo *, 128> bySlotNumber = [] {
        std::array<const SlotInfo *, 128> index{};
        for (const SlotInfo &info : table())
            index[size_t(info.slot)] = &info;
        return index;
    }();
    return slot >= 0 && slot < int(bySlotNumber.size()) ? bySlotNumber[size_t(slot)] : nullptr;
}

const SlotInfo *find(int section, const QByteArray &key)
{
    static const QHash<QPair<int, QByteArray>, const SlotInfo *> index = [] {
        QHash<QPair<int, QByteArray>, const SlotInfo *> h;
        for (const SlotInfo &info : table())
            if (info.key)
                h.insert({info.section, QByteArray(info.key)}, &info);
        return h;
    }();
    return index.value({section, key}, nullptr);
}

int sectionOfHeader(const QByteArray &line)
{
    if (line.isEmpty() || line.front() != '[')
        return 0;
    for (int i = 1; i < int(std::size(kHeaders)); ++i)
        if (line == kHeaders[i])
            return i;
    return 0;
}

bool sectionHasHandler(int section)
{
    return section >= 1 && section <= 11 && section != 10;
}

const QVector<int> &mainTextSlots()
{
    static const QVector<int> result = [] {
        QVector<int> s;
        for (const SlotInfo &info : table())
            if (info.control == Control::MainText)
                s.append(info.slot);
        return s;
    }();
    return result;
}

const QVector<int> &checkedSlots()
{
    static const QVector<int> result = [] {
        QVector<int> s;
        for (const ErrorLabel &l : kErrorLabels)
            s.append(l.slot);
        return s;
    }();
    return result;
}

bool isTorqueSlot(int slot) { return slot >= kFirstTorqueSlot && slot <= kLastTorqueSlot; }

bool isTextSlot(int slot)
{
    const SlotInfo *info = bySlot(slot);
    return info && (info->control == Control::MainText || info->control == Control::TorqueText);
}

QString errorLabel(int slot)
{
    const QChar quote = QLatin1Char('"');
    if (isTorqueSlot(slot)) {
        const int rpm = 500 * (slot - kFirstTorqueSlot + 1);
        return quote + QStringLiteral("Крутящий момент при ") + QString::number(rpm)
               + QStringLiteral(" о/м") + quote;
    }
    for (const ErrorLabel &l : kErrorLabels)
        if (l.slot == slot)
            return quote + QString::fromUtf16(l.label) + quote + QString::fromUtf16(l.suffix);
    return QString();
}

const QStringList &comboItems(ComboId combo)
{
    static const QStringList gears = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                      QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")};
    static const QStringList engines = {
        QStringLiteral("Lamborghini Diablo VT 6.0  Statistics/Lamborghini Murcielago Statistics"),
        QStringLiteral("Ferrari F50 Statistics"),
        QStringLiteral("Porsche Carrera GT Statistics"),
        QStringLiteral("McLaren F1/LM"),
        QStringLiteral("Lotus Elise Statistics/Jaguar XKR Statistics/Traffic Cars"),
        QStringLiteral("Porsche 911 Turbo Statistics"),
        QStringLiteral("BMW M5 Stats"),
        QStringLiteral("Opel Speedster Statistics/Vauxhall VX220 Statistics"),
        QStringLiteral("Holden HSV Coupe GTS Statistics"),
        QStringLiteral("Ford Mustang Cobra R Statistics"),
        QStringLiteral("Aston Martin Vanquish Statistics"),
        QStringLiteral("Mercedes CL55 AMG Statistics"),
        QStringLiteral("Ferrari 360 Modena stats"),
        QStringLiteral("Chevrolet Corvette Z06 Statistics"),
        QStringLiteral("Lotus Elise Statistics"),
        QStringLiteral("Crown Victoria Stats/BMW Z8 Statistics"),
        QStringLiteral("Ferrari Barchetta Statistics"),
        QStringLiteral("Mercedes CLK-GTR Statistics"),
        QStringLiteral("Falcon TS50 stats"),
        QStringLiteral("Dodge Viper GTS Statistics"),
    };
    static const QStringList horns = {
        QStringLiteral("Lamborghini Diablo VT 6.0  Statistics"),
        QStringLiteral("Porsche 911 Turbo Statistics"),
        QStringLiteral("Aston Martin Vanquish Statistics/Jaguar XKR Statistics"),
        QStringLiteral("BMW M5 Stats/BMW Z8 Statistics"),
        QStringLiteral("Mercedes CL55 AMG Statistics/Mercedes CLK-GTR Statistics"),
        QStringLiteral("Ferrari Barchetta Statistics/Ferrari 360 Modena stats"),
        QStringLiteral("Chevrolet Corvette Z06 Statistics"),
        QStringLiteral("Ford Mustang Cobra R Statistics/Crown Victoria Stats/Holden HSV Coupe GTS "
                       "Statistics/Falcon TS50 stats"),
        QStringLiteral("McLaren F1  Statistics/McLaren F1 LM Statistics"),
        QStringLiteral("Porsche Carrera GT Statistics"),
        QStringLiteral("Opel Speedster Statistics/Lotus Elise Statistics/Vauxhall VX220 "
                       "Statistics/Traffic Cars"),
        QStringLiteral("Ferrari F50 Statistics/Lamborghini Murcielago Statistics"),
        QStringLiteral("Dodge Viper GTS Statistics"),
        QStringLiteral("Lotus Elise Statistics"),
    };
    switch (combo) {
    case Combo1: return gears;
    case Combo2: return engines;
    case Combo3: return horns;
    case kComboCount: break;
    }
    return gears;
}

int comboOffset(ComboId combo)
{
    switch (combo) {
    case Combo1: return 3;
    case Combo2: return 0;
    case Combo3: return 1;
    case kComboCount: break;
    }
    return 0;
}

} // namespace Slots

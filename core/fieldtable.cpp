#include "fieldtable.h"

#include <QHash>

#include <array>

namespace tuneks::Fields {

namespace {

// The header line of each section from Basic on, in the order of Section.
const char *const kHeaders[] = {
    "[basic]",   "[Display_Data]", "[engineblock]", "[transmission]", "[rearend]", "[tire_rear]",
    "[tire_front]", "[brake_rear]", "[brake_front]", "[Skins]",        "[audio]",   "[render]",
};

QString quotedLabel(const QString &label, const QString &suffix)
{
    return QLatin1Char('"') + label + QLatin1Char('"') + suffix;
}

QStringList engineItems()
{
    return {
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
}

QStringList hornItems()
{
    return {
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
}

QVector<FieldInfo> buildTable()
{
    QVector<FieldInfo> t;
    // A field the field check examines, shown in a text box of the main window.
    auto checked = [&t](int slot, Section section, const char *key, const char16_t *label,
                        const char16_t *suffix = u"") {
        t.append({slot, section, key, Control::MainText, Conversion::Text, Check::Field,
                  quotedLabel(QString::fromUtf16(label), QString::fromUtf16(suffix)), true});
    };
    // A check box, clear before any document.
    auto box = [&t](int slot, Section section, const char *key, const char *name,
                    Conversion conversion = Conversion::Flag) {
        t.append({slot, section, key, Control::CheckBox, conversion, Check::None, QString(), true,
                  QString::fromLatin1(name), QString(), 0, QStringList(), 0});
    };
    // A drop-down list with nothing chosen before any document.
    auto list = [&t](int slot, Section section, const char *key, const char *name, Conversion conversion,
                     const QStringList &items, int offset) {
        t.append({slot, section, key, Control::ComboBox, conversion, Check::None, QString(), true,
                  QString::fromLatin1(name), QString(), -1, items, offset});
    };
    using S = Section;

    t.append({kNameSlot, S::None, nullptr, Control::MainText, Conversion::NameLine, Check::None, QString(), true});
    checked(2, S::Basic, "Mass", u"Масса");
    checked(5, S::Basic, "FrontTrackWidth", u"Расстояние между передними колёсами");
    checked(6, S::Basic, "RearTrackWidth", u"Расстояние между задними колёсами");
    checked(7, S::Basic, "VehicleHeight", u"Клиренс");
    checked(8, S::Basic, "HeightOfGravity", u"Гравитация");
    checked(9, S::Basic, "RearSlideFactor", u"Скольжение задней осси");
    checked(11, S::Basic, "AeroDragCoefficient", u"Лобовое сопротивление");
    checked(12, S::Basic, "AeroFrontDownforceCoefficient", u"Прижимная сила передних колёс");
    checked(13, S::Basic, "AeroRearDownforceCoefficient", u"Прижимная сила задних колёс");
    checked(14, S::Basic, "BodyLiftCoefficient", u"Поднимающая сила");
    checked(17, S::Basic, "TurningCircleRadius", u"Радиус разворота");
    // The drive-wheel boxes run clockwise from the top left of the picture,
    // so the box index is not the key number.
    box(24, S::Basic, "driveWheels_0", "Check1(0)");
    box(25, S::Basic, "driveWheels_1", "Check1(2)");
    box(26, S::Basic, "driveWheels_2", "Check1(3)");
    box(27, S::Basic, "driveWheels_3", "Check1(1)");
    checked(28, S::Basic, "YawInertiaFactor", u"Инерционность:");
    checked(29, S::Basic, "FrontRollStiffness", u"Жёсткость передней оси");
    checked(30, S::Basic, "RearRollStiffness", u"Жёсткость задней оси");
    checked(36, S::Basic, "TravelFront", u"Перемещение передней оси");
    checked(37, S::Basic, "TravelRear", u" Перемещение задней оси");
    checked(39, S::EngineBlock, "MinRPM", u"Обороты Х/Х");
    checked(40, S::EngineBlock, "RedLine", u"Предел оборотов");
    static const char *const torqueKeys[] = {
        "torqueCurve_0",  "torqueCurve_1",  "torqueCurve_2",  "torqueCurve_3",  "torqueCurve_4",
        "torqueCurve_5",  "torqueCurve_6",  "torqueCurve_7",  "torqueCurve_8",  "torqueCurve_9",
        "torqueCurve_10", "torqueCurve_11", "torqueCurve_12", "torqueCurve_13", "torqueCurve_14",
        "torqueCurve_15", "torqueCurve_16", "torqueCurve_17", "torqueCurve_18", "torqueCurve_19",
        "torqueCurve_20", "torqueCurve_21", "torqueCurve_22", "torqueCurve_23",
    };
    for (int slot = kFirstTorqueSlot; slot <= kLastTorqueSlot; ++slot) {
        const QString label = QStringLiteral("Крутящий момент при ") + QString::number(rpmOfTorqueSlot(slot))
                              + QStringLiteral(" о/м");
        // Before any document the torque fields show "0".
        t.append({slot, S::EngineBlock, torqueKeys[slot - kFirstTorqueSlot], Control::TorqueText, Conversion::Text,
                  Check::Torque, quotedLabel(label, QString()), true, QString(), QStringLiteral("0")});
    }
    // Gears 3 to 8, engine sounds from 0, horns from 1.
    list(71, S::Transmission, "NumberOfGears", "Combo1", Conversion::ListNumber,
         {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
          QStringLiteral("6")},
         3);
    checked(72, S::Transmission, "GearShiftDelay", u"Задержка", u" (трансмисия)");
    box(73, S::Transmission, "Automatic", "Check2", Conversion::WholeNumberFlag);
    static const char *const gearKeys[] = {
        "GearRatios_0", "GearRatios_1", "GearRatios_2", "GearRatios_3",
        "GearRatios_4", "GearRatios_5", "GearRatios_6", "GearRatios_7",
    };
    static const char16_t *const gearLabels[] = {
        u"З. Х.", u"Нейтраль", u"1-ая передача", u"2-ая передача",
        u"3-я передача", u"4-ая передача", u"5-ая передача", u"6-ая передача",
    };
    for (int k = 0; k < 8; ++k)
        checked(74 + k, S::Transmission, gearKeys[k], gearLabels[k], u" (передаточные числа)");
    checked(93, S::RearEnd, "FinalGearRatio", u"Главное передаточное число");
    checked(96, S::TireRear, "SectionWidth", u"Ширина покрышки", u" (сзади)");
    checked(98, S::TireRear, "WheelDiameter", u"Диаметр дисков", u" (задних)");
    checked(100, S::TireRear, "PeakFriction", u"Наибольшее сцепление", u" (задних колёс)");
    checked(108, S::TireFront, "SectionWidth", u"Ширина покрышки", u" (спереди)");
    checked(110, S::TireFront, "WheelDiameter", u"Диаметр дисков", u" (передних)");
    checked(112, S::TireFront, "PeakFriction", u"Наибольшее сцепление", u" (передних колёс)");
    checked(120, S::BrakeRear, "BrakeDiameter", u"Диаметр задних колёс");
    box(121, S::BrakeRear, "ABS", "Check4");
    checked(124, S::BrakeFront, "BrakeDiameter", u"Диаметр передних колёс");
    box(125, S::BrakeFront, "ABS", "Check3");
    list(126, S::Audio, "enginetype", "Combo2", Conversion::SpacedListNumber, engineItems(), 0);
    list(127, S::Audio, "horntype", "Combo3", Conversion::SpacedListNumber, hornItems(), 1);
    return t;
}

const QVector<FieldInfo> &table()
{
    static const QVector<FieldInfo> t = buildTable();
    return t;
}

template <typename Keep>
QVector<int> slotsWhere(Keep keep)
{
    QVector<int> result;
    for (const FieldInfo &info : table())
        if (keep(info))
            result.append(info.slot);
    return result;
}

} // namespace

const QVector<FieldInfo> &all() { return table(); }

const FieldInfo *bySlot(int slot)
{
    // The write-back asks for every slot in turn: one look-up each.
    static const std::array<const FieldInfo *, kSlotLimit> bySlotNumber = [] {
        std::array<const FieldInfo *, kSlotLimit> index{};
        for (const FieldInfo &info : table())
            index[size_t(info.slot)] = &info;
        return index;
    }();
    return slot >= 0 && slot < kSlotLimit ? bySlotNumber[size_t(slot)] : nullptr;
}

const FieldInfo *find(Section section, const QByteArray &key)
{
    static const QHash<QPair<int, QByteArray>, const FieldInfo *> index = [] {
        QHash<QPair<int, QByteArray>, const FieldInfo *> h;
        for (const FieldInfo &info : table())
            if (info.key)
                h.insert({int(info.section), QByteArray(info.key)}, &info);
        return h;
    }();
    return index.value({int(section), key}, nullptr);
}

Section sectionOfHeader(const QByteArray &line)
{
    if (line.isEmpty() || line.front() != '[')
        return Section::None;
    for (int i = 0; i < int(std::size(kHeaders)); ++i)
        if (line == kHeaders[i])
            return Section(int(Section::Basic) + i);
    return Section::None;
}

const QVector<int> &mainTextSlots()
{
    static const QVector<int> result = slotsWhere([](const FieldInfo &info) { return info.control == Control::MainText; });
    return result;
}

const QVector<int> &checkedSlots(Check check)
{
    static const QVector<int> field = slotsWhere([](const FieldInfo &info) { return info.check == Check::Field; });
    static const QVector<int> torque = slotsWhere([](const FieldInfo &info) { return info.check == Check::Torque; });
    static const QVector<int> nothing;
    switch (check) {
    case Check::Field: return field;
    case Check::Torque: return torque;
    case Check::None: break;
    }
    return nothing;
}

const QVector<int> &slotsClearedByNew()
{
    static const QVector<int> result = slotsWhere([](const FieldInfo &info) { return info.clearedByNew; });
    return result;
}

bool isTorqueSlot(int slot) { return slot >= kFirstTorqueSlot && slot <= kLastTorqueSlot; }

bool isTextSlot(int slot)
{
    const FieldInfo *info = bySlot(slot);
    return info && (info->control == Control::MainText || info->control == Control::TorqueText);
}

int rpmOfTorqueSlot(int slot) { return 500 * (slot - kFirstTorqueSlot + 1); }

QString errorLabel(int slot)
{
    const FieldInfo *info = bySlot(slot);
    return info ? info->errorLabel : QString();
}

const QVector<int> &checkBoxSlots()
{
    static const QVector<int> result = slotsWhere([](const FieldInfo &info) { return info.control == Control::CheckBox; });
    return result;
}

const QVector<int> &listSlots()
{
    static const QVector<int> result = slotsWhere([](const FieldInfo &info) { return info.control == Control::ComboBox; });
    return result;
}

bool isCheckBoxSlot(int slot)
{
    const FieldInfo *info = bySlot(slot);
    return info && info->control == Control::CheckBox;
}

bool isListSlot(int slot)
{
    const FieldInfo *info = bySlot(slot);
    return info && info->control == Control::ComboBox;
}

} // namespace tuneks::Fields

// The form state is what every window mirrors: a view relies on one signal
// per real change, naming the item and its index, and on values it cannot
// show being refused. Its state at start-up is tested with the start-up.
#include "formstate.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tuneks;

namespace {

using Item = FormState::Item;
using Change = std::pair<Item, int>;

struct Recorder {
    explicit Recorder(FormState &form)
    {
        QObject::connect(&form, &FormState::changed, [this](Item item, int index) { seen.push_back({item, index}); });
    }
    std::vector<Change> take() { return std::exchange(seen, {}); }
    std::vector<Change> seen;
};

} // namespace

TEST(FormStateModel, EveryRealChangeOfEveryItemIsToldOnceWithItsIndexAndARepeatIsNot)
{
    FormState form;
    Recorder recorder(form);
    // Each setter over every index the field table gives it, a change and back.
    using Set = std::function<void(int index, bool on)>;
    QList<std::tuple<Set, Item, QList<int>>> setters;
    QList<int> textSlots, boxes, lists, frames{1, 2, 3, 4, 5, 6, 7, 8, 9}, none{0};
    for (const Fields::FieldInfo &info : Fields::all())
        if (Fields::isTextSlot(info.slot))
            textSlots << info.slot;
    boxes = QList<int>(Fields::checkBoxSlots().begin(), Fields::checkBoxSlots().end());
    lists = QList<int>(Fields::listSlots().begin(), Fields::listSlots().end());
    const auto last = [](int l) { return int(Fields::bySlot(l)->items.size()) - 1; };
    setters = {
        {[&](int i, bool on) { form.setText(i, on ? QStringLiteral("1") : QString()); }, Item::Text, textSlots},
        {[&](int i, bool on) { form.setTextEnabled(i, !on); }, Item::TextEnabled, textSlots},
        {[&](int i, bool on) { form.setCheck(i, on ? 2 : 0); }, Item::Check, boxes},
        {[&](int i, bool on) { form.setCheckEnabled(i, !on); }, Item::CheckEnabled, boxes},
        {[&](int i, bool on) { form.setCombo(i, on ? last(i) : 0); }, Item::Combo, lists},
        {[&](int i, bool on) { form.setComboEnabled(i, !on); }, Item::ComboEnabled, lists},
        {[&](int i, bool on) { form.setFrameVisible(i, on); }, Item::FrameVisible, frames},
        {[&](int, bool on) { form.setPageButtonsEnabled(on); }, Item::PageButtons, none},
        {[&](int, bool on) { form.setMenuSaveEnabled(on); }, Item::MenuSave, none},
        {[&](int, bool on) { form.setMenuSaveAsEnabled(on); }, Item::MenuSaveAs, none},
        {[&](int, bool on) { form.setMenuCheckEnabled(on); }, Item::MenuCheck, none},
        {[&](int, bool on) { form.setErrorsButtonsEnabled(!on); }, Item::ErrorsButtons, none},
        {[&](int, bool on) { form.setCaption(on ? QStringLiteral("c") : QString()); }, Item::Caption, none},
        {[&](int, bool on) { form.setPageTitle(on ? QStringLiteral("t") : QString()); }, Item::PageTitle, none},
        {[&](int, bool on) { form.setChooserOption(on ? FormState::LamborghiniChoice : FormState::NoChoice); },
         Item::ChooserOption, none},
    };
    for (const bool on : {true, false}) // torque fields start at "0", so "" is a change back too
        for (const auto &[set, item, indexes] : setters)
            for (const int index : indexes) {
                set(index, on);
                EXPECT_EQ(recorder.take(), (std::vector<Change>{{item, index}})) << int(item) << " " << index;
                set(index, on);
                EXPECT_TRUE(recorder.take().empty()) << int(item) << " " << index;
            }
    form.setCheck(125, 2);
    form.setCombo(127, 13);
    form.setFrameVisible(9, true);
    EXPECT_EQ(form.check(125), 2);
    EXPECT_EQ(form.combo(127), 13);
    EXPECT_TRUE(form.frameVisible(9) && !form.frameVisible(2));

    // The lists grow with every append and tell of it; clearing an empty one is no change.
    recorder.take();
    for (const auto &[append, clear, list, item] :
         {std::tuple{&FormState::appendErrors, &FormState::clearErrors, &FormState::errorsList, Item::ErrorsList},
          std::tuple{&FormState::appendTorqueErrors, &FormState::clearTorqueErrors, &FormState::torqueErrorsList,
                     Item::TorqueErrorsList}}) {
        (form.*append)({QStringLiteral("a")});
        (form.*append)({QStringLiteral("b")});
        (form.*append)({});
        EXPECT_EQ((form.*list)(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
        (form.*clear)();
        (form.*clear)();
        EXPECT_TRUE((form.*list)().isEmpty());
        EXPECT_EQ(recorder.take(), (std::vector<Change>{{item, 0}, {item, 0}, {item, 0}}));
    }
}

TEST(FormStateModel, ValuesNoControlCanShowAreRefusedWithoutAWord)
{
    FormState form;
    Recorder recorder(form);
    for (int slot = -1; slot <= Fields::kSlotLimit + 1; ++slot) {
        if (Fields::isTextSlot(slot))
            continue;
        form.setText(slot, QStringLiteral("x"));
        form.setTextEnabled(slot, true);
        EXPECT_EQ(form.text(slot), QString()) << slot;
        EXPECT_FALSE(form.textEnabled(slot)) << slot;
    }
    form.setText(1000, QStringLiteral("x"));
    form.setCheck(73, 3);
    form.setCheck(73, -1);
    for (int list : Fields::listSlots()) {
        form.setCombo(list, int(Fields::bySlot(list)->items.size())); // one past the last
        form.setCombo(list, -2);
    }
    for (int slot = -1; slot <= Fields::kSlotLimit; ++slot) // a slot that is no box or list
        if (!Fields::isCheckBoxSlot(slot) && !Fields::isListSlot(slot)) {
            form.setCheck(slot, 1);
            form.setCombo(slot, 0);
            EXPECT_TRUE(form.check(slot) == 0 && form.combo(slot) == -1 && !form.checkEnabled(slot)) << slot;
        }
    form.setFrameVisible(0, true);
    form.setFrameVisible(10, true);
    EXPECT_TRUE(recorder.take().empty());
    EXPECT_EQ(form.check(73), 0);
    EXPECT_EQ(form.combo(71), -1);
    EXPECT_FALSE(form.frameVisible(0) || form.frameVisible(10));
}

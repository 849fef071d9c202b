// The form state is what every window mirrors: a view relies on one signal
// per real change, naming the item and its index, and on values it cannot
// show being refused.
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

TEST(FormStateModel, StartsWithEveryFieldEnabledTheTorqueFieldsAtZeroAndNothingShown)
{
    const FormState form;
    for (int slot = 0; slot < Fields::kSlotLimit; ++slot) {
        EXPECT_EQ(form.textEnabled(slot), Fields::isTextSlot(slot)) << slot;
        EXPECT_EQ(form.text(slot), Fields::isTorqueSlot(slot) ? QStringLiteral("0") : QString()) << slot;
    }
    for (int box : Fields::checkBoxSlots())
        EXPECT_TRUE(form.checkEnabled(box) && form.check(box) == 0);
    for (int list : Fields::listSlots())
        EXPECT_TRUE(form.comboEnabled(list) && form.combo(list) == -1);
    for (int frame = 0; frame <= 10; ++frame)
        EXPECT_FALSE(form.frameVisible(frame));
    EXPECT_FALSE(form.pageButtonsEnabled() || form.menuSaveEnabled() || form.menuSaveAsEnabled()
                 || form.menuCheckEnabled());
    EXPECT_TRUE(form.errorsButtonsEnabled());
    EXPECT_EQ(form.chooserOption(), FormState::NoChoice);
}

TEST(FormStateModel, EveryRealChangeIsToldOnceWithItsItemAndIndexAndARepeatIsNot)
{
    FormState form;
    Recorder recorder(form);
    const struct {
        std::function<void()> set;
        Change told;
    } steps[] = {
        {[&] { form.setText(2, QStringLiteral("1")); }, {Item::Text, 2}},
        {[&] { form.setText(64, QString()); }, {Item::Text, 64}},
        {[&] { form.setTextEnabled(41, false); }, {Item::TextEnabled, 41}},
        {[&] { form.setCheck(125, 2); }, {Item::Check, 125}},
        {[&] { form.setCheckEnabled(121, false); }, {Item::CheckEnabled, 121}},
        {[&] { form.setCombo(127, 13); }, {Item::Combo, 127}}, // its last item
        {[&] { form.setCombo(71, 5); }, {Item::Combo, 71}},
        {[&] { form.setComboEnabled(126, false); }, {Item::ComboEnabled, 126}},
        {[&] { form.setCaption(QStringLiteral("c")); }, {Item::Caption, 0}},
        {[&] { form.setPageTitle(QStringLiteral("t")); }, {Item::PageTitle, 0}},
        {[&] { form.setFrameVisible(9, true); }, {Item::FrameVisible, 9}},
        {[&] { form.setFrameVisible(1, true); }, {Item::FrameVisible, 1}},
        {[&] { form.setPageButtonsEnabled(true); }, {Item::PageButtons, 0}},
        {[&] { form.setMenuSaveEnabled(true); }, {Item::MenuSave, 0}},
        {[&] { form.setMenuSaveAsEnabled(true); }, {Item::MenuSaveAs, 0}},
        {[&] { form.setMenuCheckEnabled(true); }, {Item::MenuCheck, 0}},
        {[&] { form.setErrorsButtonsEnabled(false); }, {Item::ErrorsButtons, 0}},
        {[&] { form.setChooserOption(FormState::PorscheChoice); }, {Item::ChooserOption, 0}},
    };
    for (const auto &step : steps) {
        step.set();
        EXPECT_EQ(recorder.take(), std::vector<Change>{step.told}) << int(step.told.first);
        step.set();
        EXPECT_TRUE(recorder.take().empty()) << int(step.told.first);
    }
    EXPECT_EQ(form.text(2), QStringLiteral("1"));
    EXPECT_FALSE(form.textEnabled(41));
    EXPECT_EQ(form.check(125), 2);
    EXPECT_EQ(form.combo(127), 13);
    EXPECT_TRUE(form.frameVisible(9) && form.frameVisible(1) && !form.frameVisible(2));
    EXPECT_TRUE(form.menuSaveAsEnabled() && !form.errorsButtonsEnabled());

    // The lists grow with every append and tell of it; clearing an empty one is no change.
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
    for (const int slot : {-1, 0, 3, 65, 70, 128, 1000}) {
        form.setText(slot, QStringLiteral("x"));
        form.setTextEnabled(slot, false);
        EXPECT_EQ(form.text(slot), QString()) << slot;
        EXPECT_FALSE(form.textEnabled(slot)) << slot;
    }
    form.setCheck(73, 3);
    form.setCheck(73, -1);
    form.setCombo(71, 6); // one past the gears
    form.setCombo(126, 20);
    form.setCombo(127, -2);
    form.setFrameVisible(0, true);
    form.setFrameVisible(10, true);
    EXPECT_TRUE(recorder.take().empty());
    EXPECT_EQ(form.check(73), 0);
    EXPECT_EQ(form.combo(71), -1);
    EXPECT_FALSE(form.frameVisible(0) || form.frameVisible(10));
}

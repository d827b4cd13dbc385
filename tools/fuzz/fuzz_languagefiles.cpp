// A language switch from any master list, translation list, option lists
// and message file, applied to a small set of items of every kind. The input
// holds the files in this order, separated by FuzzInput::separator; a file
// missing from the end is absent.
#include "FuzzInput.h"

#include "text/LanguageItem.h"
#include "text/LanguageLoader.h"
#include "text/MasterList.h"
#include "text/OptionGroup.h"
#include "text/TextLines.h"
#include "text/TextTable.h"

#include <limits>
#include <memory>
#include <vector>

using FuzzInput::check;

namespace {

class Item : public LanguageItem {
public:
    Item(const char* window, const char* name, Kind kind) : window_(QLatin1String(window)), name_(QLatin1String(name)), kind_(kind) {}
    QString windowName() const override { return window_; }
    QString name() const override { return name_; }
    Kind kind() const override { return kind_; }
    QString caption() const override { return caption_; }
    QString hint() const override { return hint_; }
    int charset() const override { return charset_; }
    void setCaption(const QString& caption) override { caption_ = caption; }
    void setHint(const QString& hint) override { hint_ = hint; }
    bool setCharset(int charset) override
    {
        charset_ = charset;
        return true;
    }

    QString caption_ = QStringLiteral("design");
    QString hint_;
    int charset_ = 1;

private:
    QString window_, name_;
    Kind kind_;
};

class Group : public OptionGroup {
public:
    QStringList items() const override { return items_; }
    int itemIndex() const override { return selected_; }
    void setItems(const QStringList& items, int selected) override
    {
        items_ = items;
        selected_ = selected;
    }
    QStringList items_{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    int selected_ = 2;
};

std::optional<QStringList> file(const QByteArrayList& sections, int index)
{
    if (index >= sections.size())
        return std::nullopt;
    return TextLines::decode(sections[index]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayList sections = FuzzInput::sections(FuzzInput::bytes(data, size));
    LanguageFiles files;
    files.master = file(sections, 0).value_or(QStringList());
    files.translation = file(sections, 1);
    files.radio = {file(sections, 2), file(sections, 3), file(sections, 4)};
    files.messages = file(sections, 5);

    using Kind = LanguageItem::Kind;
    std::vector<std::unique_ptr<Item>> items;
    items.push_back(std::make_unique<Item>("Form1", "Deutsch1", Kind::MenuItem));
    items.push_back(std::make_unique<Item>("Form1", "Label1", Kind::Label));
    items.push_back(std::make_unique<Item>("Form1", "Panel1", Kind::Panel));
    items.push_back(std::make_unique<Item>("Form1", "SpeedButton1", Kind::SpeedButton));
    items.push_back(std::make_unique<Item>("Form1", "BitBtn1", Kind::Button));
    items.push_back(std::make_unique<Item>("Form1", "CheckBox1", Kind::CheckBox));
    items.push_back(std::make_unique<Item>("Form1", "RadioButton1", Kind::RadioButton));
    items.push_back(std::make_unique<Item>("Form1", "TabSheet1", Kind::TabSheet));
    items.push_back(std::make_unique<Item>("Form1", "RadioGroup1", Kind::OptionGroup));
    items.push_back(std::make_unique<Item>("Form1", "Edit1", Kind::EntryField));
    items.push_back(std::make_unique<Item>("Form1", "", Kind::Label));
    items.push_back(std::make_unique<Item>("Form3", "Label1", Kind::Label));
    items.push_back(std::make_unique<Item>("Form6", "Form6", Kind::Window));
    std::array<Group, 4> groups;
    TextTable table;

    LanguageTargets targets;
    for (const auto& item : items)
        targets.items.push_back(item.get());
    for (std::size_t i = 0; i < groups.size(); ++i)
        targets.radioGroups[i] = &groups[i];
    targets.textTable = &table;
    LanguageLoader::apply(files, targets);

    for (const auto& item : items) {
        check(item->charset_ >= 0 && item->charset_ <= 255);
        if (item->kind() == Kind::EntryField)
            check(item->caption_ == QLatin1String("design"));
        if (item->name().isEmpty())
            check(item->caption_ == QLatin1String("design") && item->hint_.isEmpty());
    }
    for (const Group& group : groups)
        check(!group.items_.isEmpty() && group.selected_ >= 0 && group.selected_ < group.items_.size());
    if (files.messages)
        check(table.lines() == *files.messages);

    const MasterList master(files.master);
    for (int from : {0, master.recordCount() - 1, std::numeric_limits<int>::max() - 3, std::numeric_limits<int>::min()})
        if (const std::optional<int> k = master.find(from, QStringLiteral("Form1"), QStringLiteral("Label1")))
            check(*k >= 0 && *k < master.recordCount() && *k >= from);
    return 0;
}

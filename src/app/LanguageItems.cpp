#include "app/LanguageItems.h"

#include "platform/RadioGroup.h"
#include "text/LanguageItem.h"
#include "text/MasterListWriter.h"
#include "text/OptionGroup.h"
#include "text/TextLines.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <optional>

namespace {

using Kind = LanguageItem::Kind;

constexpr char charsetProperty[] = "charset";
// What a font carries when nobody chose a character set.
constexpr int defaultCharset = 1;

QTabWidget* tabWidgetOf(QWidget* page)
{
    for (QWidget* up = page->parentWidget(); up && !up->isWindow(); up = up->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(up))
            return tabs->indexOf(page) >= 0 ? tabs : nullptr;
    return nullptr;
}

std::optional<Kind> kindOf(QObject* object)
{
    const QString name = object->objectName();
    if (auto* action = qobject_cast<QAction*>(object))
        return action->isSeparator() ? std::nullopt : std::optional(Kind::MenuItem);
    if (qobject_cast<QMenu*>(object))
        return Kind::MenuItem;
    if (qobject_cast<QRadioButton*>(object))
        return Kind::RadioButton;
    if (qobject_cast<QCheckBox*>(object))
        return Kind::CheckBox;
    if (qobject_cast<QPushButton*>(object))
        return Kind::Button;
    if (qobject_cast<QToolButton*>(object))
        return Kind::SpeedButton;
    if (qobject_cast<QLabel*>(object))
        return Kind::Label;
    if (qobject_cast<QLineEdit*>(object))
        return Kind::EntryField;
    if (qobject_cast<QGroupBox*>(object)) {
        if (name.startsWith(QLatin1String("RadioGroup")))
            return Kind::OptionGroup;
        if (name.startsWith(QLatin1String("Panel")))
            return Kind::Panel;
        return std::nullopt;
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->isWindow())
        return Kind::Window;
    if (widget && name.startsWith(QLatin1String("TabSheet")) && tabWidgetOf(widget))
        return Kind::TabSheet;
    return std::nullopt;
}

// One live object seen through the language files. Menus are handled
// through their menu action, which carries their title.
class ObjectItem : public LanguageItem {
public:
    ObjectItem(QObject* object, QString window, Kind kind)
        : object_(object), window_(std::move(window)), name_(object->objectName()), kind_(kind)
    {
    }

    QString windowName() const override { return window_; }
    QString name() const override { return name_; }
    Kind kind() const override { return kind_; }

    QString caption() const override
    {
        if (!object_)
            return {};
        if (QAction* action = actionOf())
            return action->text();
        if (auto* label = qobject_cast<QLabel*>(object_))
            return label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(object_))
            return button->text();
        if (auto* box = qobject_cast<QGroupBox*>(object_))
            return box->title();
        if (auto* edit = qobject_cast<QLineEdit*>(object_))
            return edit->text();
        if (kind_ == Kind::TabSheet)
            return tabs()->tabText(tabs()->indexOf(widget()));
        return widget()->windowTitle();
    }

    QString hint() const override
    {
        if (!object_)
            return {};
        if (QAction* action = actionOf())
            return action->statusTip();
        if (kind_ == Kind::TabSheet)
            return tabs()->tabToolTip(tabs()->indexOf(widget()));
        return widget()->toolTip();
    }

    int charset() const override
    {
        bool ok = false;
        const int value = object_ ? object_->property(charsetProperty).toInt(&ok) : 0;
        return ok ? value : defaultCharset;
    }

    void setCaption(const QString& caption) override
    {
        if (!object_)
            return;
        if (QAction* action = actionOf())
            action->setText(caption);
        else if (auto* label = qobject_cast<QLabel*>(object_))
            label->setText(caption);
        else if (auto* button = qobject_cast<QAbstractButton*>(object_))
            button->setText(caption);
        else if (auto* box = qobject_cast<QGroupBox*>(object_))
            box->setTitle(caption);
        else if (kind_ == Kind::TabSheet)
            tabs()->setTabText(tabs()->indexOf(widget()), caption);
        else if (kind_ == Kind::Window)
            widget()->setWindowTitle(caption);
        // An entry field's content is user data: never replaced.
    }

    void setHint(const QString& hint) override
    {
        if (!object_)
            return;
        if (QAction* action = actionOf()) {
            // Menus show the status tip; the tool tip would otherwise fall
            // back to the caption.
            action->setStatusTip(hint);
            action->setToolTip(hint);
        } else if (kind_ == Kind::TabSheet) {
            tabs()->setTabToolTip(tabs()->indexOf(widget()), hint);
            widget()->setToolTip(hint);
        } else {
            widget()->setToolTip(hint);
        }
    }

    bool setCharset(int charset) override
    {
        // Kept as data only: Qt fonts have no character set, but the value
        // must survive for the master list written from the windows.
        if (!object_)
            return false;
        object_->setProperty(charsetProperty, charset);
        return true;
    }

private:
    QAction* actionOf() const
    {
        if (auto* menu = qobject_cast<QMenu*>(object_))
            return menu->menuAction();
        return qobject_cast<QAction*>(object_);
    }
    QWidget* widget() const { return qobject_cast<QWidget*>(object_); }
    QTabWidget* tabs() const { return tabWidgetOf(widget()); }

    QPointer<QObject> object_;
    QString window_;
    QString name_;
    Kind kind_;
};

class RadioGroupOptions : public OptionGroup {
public:
    explicit RadioGroupOptions(RadioGroup* group) : group_(group) {}
    QStringList items() const override { return group_ ? group_->items() : QStringList(); }
    int itemIndex() const override { return group_ ? group_->itemIndex() : -1; }
    void setItems(const QStringList& items, int selected) override
    {
        if (!group_)
            return;
        group_->setItems(items);
        group_->setItemIndex(selected);
    }

private:
    QPointer<RadioGroup> group_;
};

bool isQtInternal(const QString& name)
{
    // Qt names some of its own helpers (a date field's text field, a tab
    // widget's stack, a line edit's clear action); they are not ours to
    // translate.
    return name.startsWith(QLatin1String("qt_")) || name.startsWith(QLatin1String("_q_"));
}

QObjectList visitingOrder(QObject* parent)
{
    // A stacked widget raises its current page, which moves that page to the
    // end of its children: the order would then depend on the tab in front.
    // Pages go in page order instead.
    auto* stack = qobject_cast<QStackedWidget*>(parent);
    if (!stack)
        return parent->children();
    QObjectList ordered;
    for (int i = 0; i < stack->count(); ++i)
        ordered << stack->widget(i);
    for (QObject* child : parent->children())
        if (!ordered.contains(child))
            ordered << child;
    return ordered;
}

void collect(QObject* parent, const QString& window, const QSet<QObject*>& windows,
             std::vector<std::unique_ptr<LanguageItem>>& out)
{
    for (QObject* child : visitingOrder(parent)) {
        if (windows.contains(child))
            continue; // visited as a window of its own
        if (qobject_cast<QTabBar*>(child))
            continue; // holds only Qt's own scroll and close buttons
        auto* widget = qobject_cast<QWidget*>(child);
        const bool isMenu = qobject_cast<QMenu*>(child) != nullptr;
        const QString name = child->objectName();
        if (const std::optional<Kind> kind = kindOf(child); kind && !name.isEmpty() && !isQtInternal(name))
            out.push_back(std::make_unique<ObjectItem>(child, window, *kind));
        if (widget && widget->isWindow() && !isMenu)
            continue;
        collect(child, window, windows, out);
    }
}

} // namespace

LanguageItems::LanguageItems(const QList<QWidget*>& windows)
{
    QSet<QObject*> windowSet;
    for (QWidget* window : windows)
        windowSet.insert(window);
    for (QWidget* window : windows)
        collect(window, window->objectName(), windowSet, items_);

    for (int i = 1; i <= 4; ++i) {
        RadioGroup* found = nullptr;
        const QString name = QStringLiteral("RadioGroup%1").arg(i);
        for (QWidget* window : windows)
            if (!found)
                found = window->findChild<RadioGroup*>(name);
        groups_.push_back(found ? std::make_unique<RadioGroupOptions>(found) : nullptr);
    }
}

LanguageItems::~LanguageItems() = default;

std::vector<LanguageItem*> LanguageItems::items() const
{
    std::vector<LanguageItem*> result;
    result.reserve(items_.size());
    for (const auto& item : items_)
        result.push_back(item.get());
    return result;
}

LanguageTargets LanguageItems::targets(TextTable* textTable) const
{
    LanguageTargets targets;
    targets.items = items();
    for (size_t i = 0; i < groups_.size() && i < targets.radioGroups.size(); ++i)
        targets.radioGroups[i] = groups_[i].get();
    targets.textTable = textTable;
    return targets;
}

bool LanguageItems::apply(const QString& masterPath, const QString& code, TextTable* textTable) const
{
    return LanguageLoader::apply(masterPath, code, targets(textTable));
}

QString LanguageItems::writeMasterList(const QString& path) const
{
    return MasterListWriter::write(path, items());
}

QStringList LanguageItems::differences(const QString& masterPath) const
{
    const std::optional<QStringList> lines = TextLines::read(masterPath);
    if (!lines)
        return {QStringLiteral("%1 cannot be read").arg(masterPath)};
    return MasterListWriter::differences(*lines, items());
}

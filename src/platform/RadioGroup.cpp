#include "platform/RadioGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString& name, const QString& caption, const QStringList& items,
                       int selected, QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)), layout_(new QVBoxLayout(this))
{
    setObjectName(name);
    items_ = items;
    rebuild(selected);
}

void RadioGroup::setItems(const QStringList& items)
{
    const int selected = itemIndex();
    items_ = items;
    rebuild(selected >= items_.size() ? int(items_.size()) - 1 : selected);
}

int RadioGroup::itemIndex() const
{
    return buttons_->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton* button = buttons_->button(index))
        button->setChecked(true);
}

void RadioGroup::rebuild(int selected)
{
    for (QAbstractButton* button : buttons_->buttons()) {
        buttons_->removeButton(button);
        delete button;
    }
    for (int i = 0; i < items_.size(); ++i) {
        auto* button = new QRadioButton(items_[i], this);
        layout_->addWidget(button);
        buttons_->addButton(button, i);
    }
    setItemIndex(selected);
}

#pragma once

#include <QStringList>

// An option group whose item texts a language file may replace.
class OptionGroup {
public:
    virtual ~OptionGroup() = default;

    virtual QStringList items() const = 0;
    virtual int itemIndex() const = 0; // -1: nothing selected
    virtual void setItems(const QStringList& items, int selected) = 0;
};

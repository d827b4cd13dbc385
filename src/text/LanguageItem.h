#pragma once

#include <QString>

// One named control or menu item as the language files see it. The window
// layer wraps its widgets in these so the loader never touches a widget.
class LanguageItem {
public:
    enum class Kind {
        MenuItem,
        Label,
        Panel,
        SpeedButton,
        Button,
        CheckBox,
        RadioButton,
        TabSheet,
        OptionGroup,
        EntryField, // takes a hint only: its content is user data
        Window,     // a window owned by another window
    };

    virtual ~LanguageItem() = default;

    virtual QString windowName() const = 0;
    virtual QString name() const = 0;
    virtual Kind kind() const = 0;

    virtual QString caption() const = 0;
    virtual QString hint() const = 0;
    virtual int charset() const = 0;

    virtual void setCaption(const QString& caption) = 0;
    virtual void setHint(const QString& hint) = 0;
    // False when the item cannot take this character set.
    virtual bool setCharset(int charset) = 0;
};

#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

// The editable source of one interface language: a tab-separated file keyed
// by names, so adding a control never moves a translation onto another one.
//
//   Form1<TAB>BitBtn4<TAB>caption<TAB>hint     a control of a window
//   @text<TAB>24<TAB>text                      a line of the text table
//   @Radio1<TAB>0<TAB>text                     an item of an option list (Radio1..Radio3)
//
// Lines starting with '#' and empty lines are ignored. Texts are taken as
// they stand, trailing blanks included; a text cannot hold a tab.
class TranslationSource {
public:
    struct Control {
        QString window;
        QString name;
        QString caption;
        QString hint;
    };

    static constexpr int optionLists = 3;

    static TranslationSource parse(const QStringList& lines);
    static std::optional<TranslationSource> read(const QString& path);

    // Keyed by "window.control" in file order.
    const std::vector<Control>& controls() const { return controls_; }
    const Control* control(const QString& window, const QString& name) const;
    const QMap<int, QString>& texts() const { return texts_; }
    // Items of Radio1.txt (0) .. Radio3.txt (2) by position.
    const QMap<int, QString>& options(int list) const { return options_.at(size_t(list)); }

    // Lines the parser could not use, and keys given twice, each with its line number.
    const QStringList& problems() const { return problems_; }

private:
    std::vector<Control> controls_;
    QMap<QString, size_t> controlIndex_;
    QMap<int, QString> texts_;
    std::array<QMap<int, QString>, optionLists> options_;
    QStringList problems_;
};

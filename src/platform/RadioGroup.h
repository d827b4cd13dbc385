#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QVBoxLayout;

// An option group: a titled box of radio buttons built from a list of item
// texts, with one selected position. The buttons are unnamed; the group is
// what settings and language files address.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& name, const QString& caption, const QStringList& items,
               int selected, QWidget* parent = nullptr);

    QStringList items() const { return items_; }
    // Keeps the selected position, reduced to the last item when the new list
    // is shorter.
    void setItems(const QStringList& items);

    int itemIndex() const;
    void setItemIndex(int index);

private:
    void rebuild(int selected);

    QStringList items_;
    QButtonGroup* buttons_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
};

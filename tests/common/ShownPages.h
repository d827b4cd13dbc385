#pragma once

#include <QTabWidget>

#include <vector>

// Every shown tab page; a page holding a tab control of its own stands for
// each of that control's shown pages in turn.
inline std::vector<QWidget*> shownPages(const QTabWidget& tabs)
{
    std::vector<QWidget*> pages;
    for (int i = 0; i < tabs.count(); ++i) {
        if (!tabs.isTabVisible(i))
            continue;
        pages.push_back(tabs.widget(i));
        for (QTabWidget* inner : tabs.widget(i)->findChildren<QTabWidget*>())
            for (int j = 0; j < inner->count(); ++j)
                if (inner->isTabVisible(j))
                    pages.push_back(inner->widget(j));
    }
    return pages;
}

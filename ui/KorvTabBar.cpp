#include "ui/KorvTabBar.h"

#include <algorithm>

TKorvTabBar::TKorvTabBar(QWidget* parent) : QTabBar(parent) {
    connect(this, &QTabBar::currentChanged, this, [this](int index) {
        if (!m_quiet)
            emit IndexAssigned(index);
    });
}

void TKorvTabBar::SetIndex(int index) {
    m_quiet = true;
    setCurrentIndex(std::clamp(index, 0, std::max(0, count() - 1)));
    m_quiet = false;
    emit IndexAssigned(currentIndex());
}

void TKorvTabBar::SetTexts(const QStringList& texts) {
    m_quiet = true;
    const int current = currentIndex();
    while (count() > texts.size())
        removeTab(count() - 1);
    for (int i = 0; i < texts.size(); ++i) {
        if (i < count())
            setTabText(i, texts[i]);
        else
            addTab(texts[i]);
        setTabToolTip(i, texts[i]);
    }
    if (!texts.isEmpty())
        setCurrentIndex(std::clamp(current, 0, static_cast<int>(texts.size()) - 1));
    m_quiet = false;
}

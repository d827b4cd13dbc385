#include "systems/SystemTexts.h"

#include "text/TextLine.h"
#include "text/UiText.h"

#include <bit>

namespace SystemTexts {

QString guarantee(Guarantee guarantee)
{
    return UiText::line(TextLine::GuaranteeInWords).arg(guarantee.hits).arg(guarantee.ifDrawn);
}

QString numbers(NumberMask numberMask)
{
    QString text;
    while (numberMask != 0) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += QString::number(std::countr_zero(numberMask));
        numberMask &= numberMask - 1;
    }
    return text;
}

} // namespace SystemTexts

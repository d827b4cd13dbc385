#include "app/TForm1.h"

#include "app/pages/InternetPage.h"
#include "evaluation/ReportFile.h"
#include "platform/Dialogs.h"
#include "platform/ReportViewer.h"
#include "platform/Shell.h"
#include "text/TextLine.h"

#include <QUrl>

namespace {


const QString productPage = QStringLiteral("https://www.vellhorn.de/numerant");
// A link whose text names the partner portal goes to the partner's own
// address, which carries the product's referral.
const QString partnerName = QStringLiteral("lottoland");
const QString partnerPage = QStringLiteral("https://www.lottoland.com/?partner=numerant");

// Link texts come from the language files, so they are data: only web
// addresses are opened, never a local file or program. A bare host such as
// "www.lotto.de" is taken as an https address.
QString webAddress(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.contains(u' '))
        return {};
    const bool hasScheme = trimmed.contains(QLatin1String("://"));
    const QUrl url(hasScheme ? trimmed : QStringLiteral("https://") + trimmed, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return {};
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return {};
    return url.toString();
}

} // namespace

void TForm1::connectShell()
{
    connect(internetPage(), &InternetPage::linkClicked, this, &TForm1::Label52Click);
}

void TForm1::Label43Click()
{
    shell().openUrl(productPage);
}

void TForm1::Label52Click(const QString& text)
{
    if (text.contains(partnerName, Qt::CaseInsensitive)) {
        shell().openUrl(partnerPage);
        return;
    }
    if (const QString address = webAddress(text); !address.isEmpty())
        shell().openUrl(address);
}

void TForm1::saveTextReport(const QString& fileName, const QStringList& lines)
{
    const QString path = Home + fileName;
    const QString error = ReportFile::save(path, ReportFile::textLines(lines));
    if (!error.isEmpty()) {
        dialogs().showError(this, error);
        return;
    }
    showReport(path, lines.join(QLatin1Char('\n')));
}

void TForm1::showReport(const QString& path, const QString& content)
{
    const ReportViewerTexts texts{text(TextLine::SaveAs), text(TextLine::Print), text(TextLine::OpenElsewhere),
                                  text(TextLine::Close)};
    auto* viewer = new ReportViewer(path, content, texts, dialogs(), shell(), &ReportFile::save, this);
    viewer->show();
    viewer->raise();
}

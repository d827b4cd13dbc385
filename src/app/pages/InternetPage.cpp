#include "app/pages/InternetPage.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QVBoxLayout>

InternetPage::InternetPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet3"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 4, 6, 4);
    outer->setSpacing(4);

    auto* proxy = new QGroupBox(QStringLiteral("Verbindung"), this);
    proxy->setObjectName(QStringLiteral("Panel13"));
    auto* proxyForm = new QFormLayout(proxy);
    proxyForm->setContentsMargins(6, 4, 6, 4);
    QLabel* hostLabel = addLabel(proxy, "Label53", QStringLiteral("Proxy-Server"));
    proxyHost_ = addEdit(proxy, "ProxyHostEdit", QString(),
                         QStringLiteral("Name oder Adresse des Proxy-Servers; leer lassen, wenn "
                                        "Sie keinen Proxy verwenden"));
    QLabel* portLabel = addLabel(proxy, "Label55", QStringLiteral("Proxy-Port"));
    proxyPort_ = addEdit(proxy, "ProxyPortEdit", QStringLiteral("80"),
                         QStringLiteral("Port des Proxy-Servers"));
    proxyPort_->setMaximumWidth(80);
    proxyForm->addRow(hostLabel, proxyHost_);
    proxyForm->addRow(portLabel, proxyPort_);
    QLabel* serviceLabel = addLabel(proxy, "Label60", QStringLiteral("Ziehungsdienst:"));
    serviceUrl_ = addEdit(proxy, "ServiceUrlEdit", QString(),
                          QStringLiteral("Adresse des Ziehungsdienstes, zum Beispiel "
                                         "http://127.0.0.1:8080; leer lassen, wenn Sie keinen "
                                         "verwenden"));
    serviceUrl_->setPlaceholderText(QStringLiteral("http://127.0.0.1:8080"));
    proxyForm->addRow(serviceLabel, serviceUrl_);
    outer->addWidget(proxy);

    auto* fees = new QGroupBox(this);
    fees->setObjectName(QStringLiteral("Panel14"));
    auto* feeColumn = new QVBoxLayout(fees);
    feeColumn->setContentsMargins(6, 4, 6, 4);
    feeColumn->setSpacing(4);
    feeColumn->addWidget(
        addLabel(fees, "Label57", QStringLiteral("Bearbeitunggebühr bei Ihrer Landeslotterie:")));
    auto* feeForm = new QFormLayout;
    QLabel* oneLabel = addLabel(fees, "Label58", QStringLiteral("Für eine Ziehung:"));
    QLineEdit* one = addEdit(fees, "Edit81", QStringLiteral("0,50"),
                             QStringLiteral("Gebühr pro Spielschein für eine Ziehung"));
    QLabel* twoLabel = addLabel(fees, "Label59", QStringLiteral("Für eine Sa und Mi. Ziehung:"));
    QLineEdit* two = addEdit(fees, "Edit82", QStringLiteral("1,00"),
                             QStringLiteral("Gebühr pro Spielschein für Samstag und Mittwoch"));
    one->setMaximumWidth(80);
    two->setMaximumWidth(80);
    feeForm->addRow(oneLabel, one);
    feeForm->addRow(twoLabel, two);
    feeColumn->addLayout(feeForm);
    auto* saturdaysOnly = new QCheckBox(
        QStringLiteral("Ich spiele nur Samstags (Samstag bei Abgabe  vordefiniert)"), fees);
    saturdaysOnly->setObjectName(QStringLiteral("CheckBox32"));
    feeColumn->addWidget(saturdaysOnly);
    outer->addWidget(fees);
    feeOneDay_ = one;
    feeBothDays_ = two;
    saturdaysOnly_ = saturdaysOnly;
    for (QLineEdit* fee : {one, two})
        connect(fee, &QLineEdit::editingFinished, this, &InternetPage::feeEdited);
    connect(saturdaysOnly, &QCheckBox::clicked, this, [this](bool on) {
        if (on)
            emit saturdaysOnlyTicked();
    });

    auto* links = new QGroupBox(QStringLiteral("Im Internet"), this);
    links->setObjectName(QStringLiteral("Panel15"));
    auto* linkColumn = new QVBoxLayout(links);
    linkColumn->setContentsMargins(6, 4, 6, 4);
    linkColumn->setSpacing(4);
    linkColumn->addWidget(addLink(links, "Label52", QStringLiteral("https://www.vellhorn.de")));
    linkColumn->addWidget(
        addLink(links, "Label54", QStringLiteral("https://www.vellhorn.de/numerant")));
    linkColumn->addWidget(addLink(links, "Label56", QStringLiteral("https://www.lotto.de")));
    outer->addWidget(links);
    outer->addStretch(1);

    // Only stored and restored.
    auto* url = addEdit(this, "URLEdit", QStringLiteral("https://www.vellhorn.de"), QString());
    url->hide();
    auto* browser = new QCheckBox(QStringLiteral("Im Browser öffnen"), this);
    browser->setObjectName(QStringLiteral("CheckBox21"));
    browser->hide();
}

QLineEdit* InternetPage::addEdit(QWidget* parent, const char* name, const QString& text,
                                 const QString& hint)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setToolTip(hint);
    return edit;
}

QLabel* InternetPage::addLabel(QWidget* parent, const char* name, const QString& caption)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLabel* InternetPage::addLink(QWidget* parent, const char* name, const QString& address)
{
    QLabel* label = addLabel(parent, name, address);
    label->setToolTip(QStringLiteral("Seite im Browser öffnen"));
    label->setCursor(Qt::PointingHandCursor);
    QFont font; // only the underline, so the size still follows the window scaling
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    label->setPalette(palette);
    label->installEventFilter(this);
    return label;
}

QString InternetPage::proxyHost() const
{
    return proxyHost_->text();
}

void InternetPage::setProxyHost(const QString& host)
{
    proxyHost_->setText(host);
}

QString InternetPage::proxyPort() const
{
    return proxyPort_->text();
}

void InternetPage::setProxyPort(const QString& port)
{
    proxyPort_->setText(port);
}

QString InternetPage::serviceUrl() const
{
    return serviceUrl_->text();
}

void InternetPage::setServiceUrl(const QString& address)
{
    serviceUrl_->setText(address);
}

bool InternetPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (auto* label = qobject_cast<QLabel*>(watched)) {
            emit linkClicked(label->text());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QString InternetPage::feeText(bool bothDays) const
{
    return (bothDays ? feeBothDays_ : feeOneDay_)->text();
}

bool InternetPage::saturdaysOnly() const
{
    return saturdaysOnly_->isChecked();
}

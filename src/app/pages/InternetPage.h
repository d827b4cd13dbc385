#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;

// The "Internet-Optionen" tab (`TabSheet3`): proxy for the online update, the
// processing fees, the web links, and the hidden `URLEdit` / `CheckBox21`
// that are only stored and restored.
class InternetPage : public QWidget {
    Q_OBJECT
public:
    explicit InternetPage(QWidget* parent = nullptr);

    QString proxyHost() const; // ProxyHostEdit
    void setProxyHost(const QString& host);
    QString proxyPort() const; // ProxyPortEdit, as typed
    void setProxyPort(const QString& port);
    QString serviceUrl() const; // ServiceUrlEdit: address of the draw service
    void setServiceUrl(const QString& address);
    // The processing fee as typed: `Edit82` for a ticket of both draw days,
    // `Edit81` for one day.
    QString feeText(bool bothDays) const;
    bool saturdaysOnly() const; // CheckBox32

signals:
    // A fee field was left after editing.
    void feeEdited();
    // "Ich spiele nur Samstags" was ticked by the user.
    void saturdaysOnlyTicked();
    // One of the link labels `Label52`, `Label54`, `Label56` was clicked;
    // carries the label's text, which is the address to open.
    void linkClicked(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* addEdit(QWidget* parent, const char* name, const QString& text,
                       const QString& hint);
    QLabel* addLabel(QWidget* parent, const char* name, const QString& caption);
    QLabel* addLink(QWidget* parent, const char* name, const QString& address);

    QLineEdit* proxyHost_ = nullptr;
    QLineEdit* proxyPort_ = nullptr;
    QLineEdit* serviceUrl_ = nullptr;
    QLineEdit* feeOneDay_ = nullptr;
    QLineEdit* feeBothDays_ = nullptr;
    QCheckBox* saturdaysOnly_ = nullptr;
};

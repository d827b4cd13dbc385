#include "HeadlessPlatform.h"
#include "platform/Dialogs.h"

#include <QTest>

// The input box for a whole number that the window's prompts share: what
// counts as a number, what the user is told otherwise, what cancelling gives.
class AskWholeNumberTest : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void asksWithTheGivenTexts();
};

void AskWholeNumberTest::answers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<int>("value");

    QTest::newRow("number") << "7" << true << 7;
    QTest::newRow("blanks around it") << "  12 \t" << true << 12;
    QTest::newRow("negative") << "-3" << true << -3;
    QTest::newRow("largest 32-bit") << "2147483647" << true << 2147483647;
    QTest::newRow("past 32 bits") << "2147483648" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("blanks only") << "   " << false << 0;
    QTest::newRow("decimal") << "1.5" << false << 0;
    QTest::newRow("trailing letters") << "6x" << false << 0;
    QTest::newRow("blank inside") << "1 2" << false << 0;
}

void AskWholeNumberTest::answers()
{
    QFETCH(QString, typed);
    QFETCH(bool, isNumber);
    QFETCH(int, value);

    FakeDialogs dialogs;
    dialogs.inputAnswers.enqueue(typed);
    const std::optional<int> asked = askWholeNumber(dialogs, nullptr, QStringLiteral("Caption"),
                                                    QStringLiteral("Prompt"), QStringLiteral("6"),
                                                    [](const QString& answer) { return QStringLiteral("no number: [%1]").arg(answer); });
    QCOMPARE(asked.has_value(), isNumber);
    if (isNumber) {
        QCOMPARE(*asked, value);
        QVERIFY(dialogs.messages.isEmpty());
    } else {
        // The complaint names the answer as typed, shown once as an error.
        QCOMPARE(dialogs.errors, QStringList{QStringLiteral("no number: [%1]").arg(typed)});
        QCOMPARE(dialogs.messages, dialogs.errors);
    }
}

void AskWholeNumberTest::asksWithTheGivenTexts()
{
    FakeDialogs dialogs; // no answer: the box is cancelled, which gives the preset
    const std::optional<int> asked = askWholeNumber(dialogs, nullptr, QStringLiteral("Caption"),
                                                    QStringLiteral("Prompt"), QStringLiteral("4711"),
                                                    [](const QString&) { return QStringLiteral("never"); });
    QCOMPARE(dialogs.inputPrompts, QStringList{QStringLiteral("Caption|Prompt|4711")});
    QCOMPARE(asked, std::optional<int>(4711));
    QVERIFY(dialogs.messages.isEmpty());
}

QTEST_GUILESS_MAIN(AskWholeNumberTest)
#include "tst_askwholenumber.moc"

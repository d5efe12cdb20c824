#include "screens/Theme.h"
#include "support/TestServices.h"

#include <QSignalSpy>
#include <QtTest>

// The theme's readability rules and its stored appearance.
class ThemeTest : public QObject
{
    Q_OBJECT

private slots:
    // clang-format off
    void contrast_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << "000000" << "ffffff" << 21.0;
        QTest::newRow("same colour") << "27ae60" << "27ae60" << 1.0;
        QTest::newRow("platform grey on white") << "8a8a8e" << "ffffff" << 3.44;
        QTest::newRow("white on the banner yellow") << "ffffff" << "f1c40f" << 1.66;
    }
    // clang-format on
    void contrast()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(double, ratio);
        QCOMPARE(qRound(Theme::contrast(Theme::hex(a), Theme::hex(b)) * 100), qRound(ratio * 100));
        QCOMPARE(Theme::contrast(Theme::hex(b), Theme::hex(a)), Theme::contrast(Theme::hex(a), Theme::hex(b)));
    }

    // A fill is darkened under light text and lightened under dark text, just enough, in its hue.
    // clang-format off
    void readableFill_data()
    {
        QTest::addColumn<QString>("fill");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("changed");
        QTest::newRow("white on the Easy green") << "2ecc71" << "ffffff" << true;
        QTest::newRow("light on the menu red") << "e74c3c" << "ecf0f1" << true;
        QTest::newRow("black on yellow already reads") << "f1c40f" << "000000" << false;
        QTest::newRow("dark text on a dark grey") << "555555" << "000000" << true;
    }
    // clang-format on
    void readableFill()
    {
        QFETCH(QString, fill);
        QFETCH(QString, text);
        QFETCH(bool, changed);
        const QColor given = Theme::hex(fill);
        const QColor result = Theme::readableFill(given, Theme::hex(text));
        QVERIFY(Theme::contrast(result, Theme::hex(text)) >= 4.5);
        QCOMPARE(result != given, changed);
        if (changed) {
            QVERIFY(qAbs(result.hslHue() - given.hslHue()) <= 2);
            // Not darker or lighter than needed.
            QVERIFY(Theme::contrast(result, Theme::hex(text)) < 4.8);
        }
    }

    void appearanceIsStoredAndFollowed()
    {
        TestServices services(TestServices::fixture(QStringLiteral("screens")));
        Theme &theme = services.theme();
        QCOMPARE(theme.appearance(), Theme::Appearance::followSystem);
        QSignalSpy changed(&theme, &Theme::changed);
        theme.setAppearance(Theme::Appearance::alwaysDark);
        QVERIFY(theme.dark());
        QCOMPARE(theme.text(), QColor(Qt::white));
        QCOMPARE(changed.size(), 1);
        services.restart();
        QCOMPARE(services.theme().appearance(), Theme::Appearance::alwaysDark);
        services.theme().useAppearance(Theme::Appearance::alwaysLight);
        services.restart();
        QCOMPARE(services.theme().appearance(), Theme::Appearance::alwaysDark);
    }
};

QTEST_MAIN(ThemeTest)

#include "tst_theme.moc"

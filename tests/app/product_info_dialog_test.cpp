// The Product Information dialog on the real widgets: the model list from the
// settings file, the stored "Type" choice that overrides the document's model,
// the band limits shown and stored, the order check and Cancel.

#include "dialogs/product_info_dialog.h"
#include "model/band.h"
#include "model/fields/product_fields.h"
#include "model/image_layout.h"
#include "model/program_document.h"
#include "settings/program_context.h"
#include "tests/app/app_fixture.h"
#include "tests/texts/test_catalogues.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <memory>

namespace {

BandCodeBytes ImageCode(const RadioImage& image) {
    BandCodeBytes code{};
    for (std::size_t i = 0; i < code.size(); ++i) {
        code[i] = image[layout::kBandCode + i];
    }
    return code;
}

} // namespace

Q_DECLARE_METATYPE(BandLimitsMhz)

class ProductInfoDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramDirFixture> m_dir;
    std::unique_ptr<ProgramContext> m_context;
    RadioImage m_image;

    void LoadSettings(const std::string& models) {
        m_dir->WriteSettings("[Setup]\r\nAppName=InfoTest\r\n" + models);
        m_context->Profile().Load(m_dir->FilePath(QStringLiteral("Program.ini")).toStdString(),
                                  false, true, false);
    }

    // "Type" as another program would have stored it (nothing here writes it).
    void StoreType(int type) {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Software"),
                        QStringLiteral("InfoTest"));
        store.setValue(QStringLiteral("Type"), type);
    }

private slots:
    void init() {
        m_dir = std::make_unique<ProgramDirFixture>();
        m_context = std::make_unique<ProgramContext>();
        FillNewDocumentImage(m_image, kDefaultBandCode);
    }
    void cleanup() {
        m_context.reset();
        m_dir.reset();
    }

    void modelChoice_data() {
        QTest::addColumn<QString>("models");
        QTest::addColumn<int>("documentModel");
        QTest::addColumn<int>("storedType"); // -1: no "Type" stored
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("storedByOk");
        const QString three = QStringLiteral("Type1=A\r\nType2=B\r\nType3=C\r\n");
        QTest::newRow("no Type: first model, not the document's") << three << 2 << -1 << 0 << 0x00;
        QTest::newRow("Type 1") << three << 0 << 1 << 1 << 0x01;
        QTest::newRow("Type beyond the list") << three << 1 << 7 << -1 << 0xFF;
        QTest::newRow("negative Type") << three << 1 << -3 << -1 << 0xFF;
        QTest::newRow("no Type1 key") << QString() << 0 << -1 << -1 << 0xFF;
        QTest::newRow("list ends at the first empty key")
            << QStringLiteral("Type1=A\r\nType2=\r\nType3=C\r\n") << 0 << 2 << -1 << 0xFF;
    }
    void modelChoice() {
        QFETCH(QString, models);
        QFETCH(int, documentModel);
        QFETCH(int, storedType);
        QFETCH(int, selected);
        QFETCH(int, storedByOk);
        LoadSettings(models.toStdString());
        if (storedType != -1) {
            StoreType(storedType);
        }
        m_image[layout::kModelIndex] = static_cast<std::uint8_t>(documentModel);
        CProductInfoDlg dialog(*m_context);
        dialog.OnInitDialog(m_image);
        QCOMPARE(dialog.ModelCombo()->currentIndex(), selected);
        dialog.OnOK();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(int(m_image[layout::kModelIndex]), storedByOk);
    }

    void reopeningDoesNotRepeatTheList() {
        LoadSettings("Type1=A\r\nType2=B\r\n");
        CProductInfoDlg dialog(*m_context);
        dialog.OnInitDialog(m_image);
        dialog.OnInitDialog(m_image);
        QCOMPARE(dialog.ModelCombo()->count(), 2);
        QCOMPARE(dialog.ModelCombo()->itemText(1), QStringLiteral("B"));
    }

    void bandLimitsAreShownNotEdited() {
        LoadSettings("Type1=A\r\n");
        m_context->band.SetLimitsMhz({136, 174, 400, 520});
        CProductInfoDlg dialog(*m_context);
        dialog.OnInitDialog(m_image);
        const std::pair<int, QString> shown[] = {{1113, QStringLiteral("136")},
                                                 {1114, QStringLiteral("174")},
                                                 {1115, QStringLiteral("400")},
                                                 {1116, QStringLiteral("520")}};
        for (const auto& [id, text] : shown) {
            QCOMPARE(dialog.BandEdit(id)->text(), text);
            QVERIFY(!dialog.BandEdit(id)->isEnabled());
        }
    }

    void okStoresTheBandCode_data() {
        QTest::addColumn<BandLimitsMhz>("limits");
        QTest::newRow("136-174, 400-520") << BandLimitsMhz{136, 174, 400, 520};
        QTest::newRow("equal ends") << BandLimitsMhz{150, 150, 400, 400};
    }
    void okStoresTheBandCode() {
        QFETCH(BandLimitsMhz, limits);
        LoadSettings("Type1=A\r\n");
        m_context->band.SetLimitsMhz(limits);
        CProductInfoDlg dialog(*m_context);
        dialog.OnInitDialog(m_image);
        dialog.OnOK();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const BandCodeBytes expected =
            BandCode(limits.band1Low, limits.band1High, limits.band2Low, limits.band2High);
        QCOMPARE(ImageCode(m_image), expected);
        QCOMPARE(m_context->band.bandCode, expected);
        QCOMPARE(m_context->band.LimitsMhz(), limits);
        QCOMPARE(m_dir->Messages().size(), std::size_t{0});
    }

    void lowerAboveUpperKeepsTheDialogOpen_data() {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<BandLimitsMhz>("limits");
        QTest::addColumn<QString>("message");
        QTest::newRow("band 1, English") << false << BandLimitsMhz{175, 174, 400, 520}
                                         << QStringLiteral("Frequency input error");
        QTest::newRow("band 2, Chinese") << true << BandLimitsMhz{136, 174, 521, 520}
                                         << QStringLiteral("起始频率应小于结束频率");
    }
    void lowerAboveUpperKeepsTheDialogOpen() {
        QFETCH(bool, chinese);
        QFETCH(BandLimitsMhz, limits);
        QFETCH(QString, message);
        const std::unique_ptr<QtCatalogue> texts = chinese ? InstallChinese() : nullptr;
        if (texts) {
            m_context->SetTexts(*texts);
        }
        LoadSettings("Type1=A\r\nType2=B\r\n");
        StoreType(1);
        m_context->band.SetLimitsMhz(limits);
        const BandCodeBytes before = ImageCode(m_image);
        const BandCodeBytes planBefore = m_context->band.bandCode;
        CProductInfoDlg dialog(*m_context);
        dialog.show();
        dialog.OnInitDialog(m_image);
        dialog.OnOK();
        QCOMPARE(m_dir->MessageTexts(), QStringList{message});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        // The model was stored before the check; the band code was not.
        QCOMPARE(int(m_image[layout::kModelIndex]), 1);
        QCOMPARE(ImageCode(m_image), before);
        QCOMPARE(m_context->band.bandCode, planBefore);
        QCOMPARE(m_context->band.LimitsMhz(), limits);
    }

    void cancelChangesNothing() {
        LoadSettings("Type1=A\r\nType2=B\r\n");
        StoreType(1);
        const RadioImage before = m_image;
        const BandCodeBytes planBefore = m_context->band.bandCode;
        CProductInfoDlg dialog(*m_context);
        dialog.OnInitDialog(m_image);
        dialog.reject();
        QVERIFY(m_image == before);
        QCOMPARE(m_context->band.bandCode, planBefore);
    }
};

QTEST_MAIN(ProductInfoDialogTest)
#include "product_info_dialog_test.moc"

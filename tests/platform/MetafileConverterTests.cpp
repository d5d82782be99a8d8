// Converting metafile bytes: which converter the bytes need, and what a converter that
// misbehaves leaves us with (stand-ins on PATH take the real converters' places).

#include "platform/MetafileConverter.h"

#include "support/Metafiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

TEST(MetafileConverter, TheBytesNameTheirFormat) {
    QByteArray plainWmf = MakeWmfRectangle().mid(22); // without the placeable header
    QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\" height=\"4\"/>";
    QByteArray notEmf = MakeEmfRectangle();
    notEmf[41] = 'X'; // the signature " EMF" broken
    const struct {
        const char* Name;
        QByteArray Bytes;
        TMetafileFormat Format;
    } cases[] = {
        {"emf", MakeEmfRectangle(), TMetafileFormat::Emf},
        {"placeable wmf", MakeWmfRectangle(), TMetafileFormat::Wmf},
        {"plain wmf", plainWmf, TMetafileFormat::Wmf},
        {"emf header cut short", MakeEmfRectangle().left(80), TMetafileFormat::None},
        {"emf without signature", notEmf, TMetafileFormat::None},
        {"svg", svg, TMetafileFormat::None},
        {"nothing", QByteArray(), TMetafileFormat::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MetafileFormatOf(c.Bytes), c.Format) << c.Name;
}

TEST(MetafileConverter, RealConvertersGiveSvgAndSayWhyTheyCannot) {
    for (const QByteArray& bytes : {MakeEmfRectangle(), MakeWmfRectangle()}) {
        QString reason;
        const QByteArray svg = ConvertMetafileBytesToSvg(bytes, reason, 20000);
        EXPECT_TRUE(svg.contains("<svg")) << reason.toStdString();
        EXPECT_TRUE(reason.isEmpty()) << reason.toStdString();
    }
    QString reason;
    EXPECT_TRUE(ConvertMetafileBytesToSvg(MakeEmfRectangle().left(100), reason, 20000).isEmpty());
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_TRUE(ConvertMetafileBytesToSvg("not a metafile", reason, 20000).isEmpty());
    EXPECT_EQ(reason, QStringLiteral("It is neither an enhanced nor a Windows metafile."));
}

class MisbehavingConverter : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(Dir.Path()) + ":" + m_path);
    }
    void TearDown() override { qputenv("PATH", m_path); }

    // emf2svg-conv -i IN -o OUT as a shell script.
    void Converter(const QByteArray& script) {
        const QString path = Dir.File(QStringLiteral("emf2svg-conv"));
        Dir.Write(QStringLiteral("emf2svg-conv"), "#!/bin/sh\n" + script + "\n");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    TempDir Dir;

private:
    QByteArray m_path;
};

TEST_F(MisbehavingConverter, IsStoppedAndSaysWhy) {
    const struct {
        const char* Script;
        QString Reason;
    } cases[] = {
        {"exec sleep 60", QStringLiteral("The converter did not finish within 2 seconds.")},
        {"exec head -c 80000000 /dev/zero > \"$4\"",
         QStringLiteral("The converted picture is larger than 64 MB.")},
        {"echo 'reading records' >&2; echo 'unknown record at offset 88' >&2; exit 3",
         QStringLiteral("unknown record at offset 88")},
        {"exit 4", QStringLiteral("The converter ended with code 4.")},
        {": > \"$4\"", QStringLiteral("The converter wrote nothing.")},
    };
    for (const auto& c : cases) {
        Converter(c.Script);
        QString reason;
        EXPECT_TRUE(ConvertMetafileBytesToSvg(MakeEmfRectangle(), reason, 2000).isEmpty()) << c.Script;
        EXPECT_EQ(reason, c.Reason) << c.Script;
    }
}

TEST_F(MisbehavingConverter, ItsSvgIsReadFromTheFileItWasToldToWrite) {
    Converter("printf '<svg width=\"3\" height=\"2\"/>' > \"$4\"");
    QString reason;
    EXPECT_EQ(ConvertMetafileBytesToSvg(MakeEmfRectangle(), reason, 5000), "<svg width=\"3\" height=\"2\"/>");
    EXPECT_TRUE(reason.isEmpty());
}

} // namespace

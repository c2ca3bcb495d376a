// Cutting engine output into lines: the pieces both session kinds rely on.
#include "session/line_split.h"

#include <QTest>

class LineSplitTest : public QObject
{
    Q_OBJECT

private slots:
    void keepsLineEndsAndRemainder()
    {
        QCOMPARE(orvi::splitKeepingLineEnds(QStringLiteral("a\nb\r\n\nrest")),
                 QStringList({QStringLiteral("a\n"), QStringLiteral("b\r\n"), QStringLiteral("\n"), QStringLiteral("rest")}));
        QCOMPARE(orvi::splitKeepingLineEnds(QString()), QStringList());
    }

    void completeLinesLeaveTheFragment()
    {
        QByteArray pending("one\ntw");
        QCOMPARE(orvi::takeCompleteLines(pending), QStringList{QStringLiteral("one\n")});
        QCOMPARE(pending, QByteArray("tw"));
        pending.append("o\n");
        QCOMPARE(orvi::takeCompleteLines(pending), QStringList{QStringLiteral("two\n")});
        QVERIFY(pending.isEmpty());
        // A multi-byte character cut between two reads is decoded whole.
        pending = QByteArray("\xe6\x89");
        QVERIFY(orvi::takeCompleteLines(pending).isEmpty());
        pending.append("\x93\n");
        QCOMPARE(orvi::takeCompleteLines(pending), QStringList{QStringLiteral("打\n")});
    }

    void chunkPassesLongFragmentOn()
    {
        std::string pending = "a\nb\npart";
        QCOMPARE(orvi::takeOutputChunk(pending, 65536), std::string("a\nb\n"));
        QCOMPARE(pending, std::string("part"));
        pending = std::string(65536, 'x');
        QVERIFY(orvi::takeOutputChunk(pending, 65536).empty());
        pending += "yz";
        QCOMPARE(orvi::takeOutputChunk(pending, 65536).size(), std::size_t(65538));
        QVERIFY(pending.empty());
    }
};

QTEST_GUILESS_MAIN(LineSplitTest)
#include "line_split_test.moc"

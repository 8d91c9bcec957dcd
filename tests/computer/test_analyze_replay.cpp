#include <QFile>
#include <QTest>

#include "tools/analyze/analyze.h"

using morvane::analyze::Analyze;
using morvane::analyze::Answer;

namespace {

// The corpus recorded by data/make_replay_corpus.py: positions reached by legal play (with and
// without terrain, with lines on the board or not) and morvane-analyze's answers to them.
const QString kDataDir = QStringLiteral(MORVANE_REPLAY_DATA_DIR);

QList<QByteArray> Lines(const QString& name) {
    QFile file(kDataDir + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(file.fileName()));
    }
    QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

}  // namespace

class AnalyzeReplayTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        boards_ = Lines(QStringLiteral("replay_boards.txt"));
        answers_ = Lines(QStringLiteral("replay_answers.tsv"));
    }

    // It should give, for every recorded query of the subcommand, exactly the bytes the tool
    // printed when the corpus was recorded.
    void everyRecordedAnswerIsRepeated_data() {
        QTest::addColumn<QByteArray>("subcommand");
        for (const char* subcommand : {"line", "eval", "move", "exlines", "exmove"}) {
            QTest::newRow(subcommand) << QByteArray(subcommand);
        }
    }
    void everyRecordedAnswerIsRepeated() {
        QFETCH(QByteArray, subcommand);
        int replayed = 0;
        for (qsizetype number = 0; number < answers_.size(); ++number) {
            // subcommand, board number, further arguments, recorded JSON
            const QList<QByteArray> fields = answers_[number].split('\t');
            QCOMPARE(fields.size(), 4);
            if (fields[0] != subcommand) {
                continue;
            }
            QStringList args{QString::fromLatin1(fields[0]),
                             QString::fromLatin1(boards_.at(fields[1].toInt()))};
            if (!fields[2].isEmpty()) {
                args += QString::fromLatin1(fields[2]).split(QLatin1Char(' '));
            }
            const Answer answer = Analyze(args);
            if (answer.status != 0 || answer.out != fields[3] + '\n') {
                QFAIL(qPrintable(QStringLiteral("answers line %1: %2\n  now:      %3%4\n"
                                                "  recorded: %5")
                                     .arg(number + 1)
                                     .arg(args.join(QLatin1Char(' ')))
                                     .arg(QString::fromUtf8(answer.out.trimmed()))
                                     .arg(QString::fromUtf8(answer.err.trimmed()))
                                     .arg(QString::fromUtf8(fields[3]))));
            }
            ++replayed;
        }
        QVERIFY(replayed > 0);
    }

private:
    QList<QByteArray> boards_;
    QList<QByteArray> answers_;
};

QTEST_APPLESS_MAIN(AnalyzeReplayTest)
#include "test_analyze_replay.moc"

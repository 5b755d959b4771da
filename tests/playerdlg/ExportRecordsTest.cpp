// Maintenance > Export Records: every game of every player in one CSV sheet, read back field by
// field, and a players folder that is only ever read.

#include "FakeSaveDialog.h"
#include "PlayerDlgFixture.h"
#include "RecordsCsv.h"
#include "StartedTime.h"

#include <QRegularExpression>

namespace {

// RFC 4180 text read back: fields quoted or bare, each ended by a comma or, at the end of its
// row, CR LF; doubled quotes undone. A bare line break or quote throws the rows out of line.
QList<QStringList> ParseCsv(const QString& strText)
{
    static const QRegularExpression field(R"re((?:"((?:[^"]|"")*)"|([^",\r\n]*))(,|\r\n))re");
    QList<QStringList> rows = {QStringList()};
    for (const QRegularExpressionMatch& match : field.globalMatch(strText)) {
        rows.last() << (match.hasCaptured(1) ? match.captured(1).replace("\"\"", "\"") : match.captured(2));
        if (match.captured(3) == "\r\n")
            rows.append(QStringList());
    }
    rows.removeLast();
    return rows;
}

const QString kTitle = "A 16 piece game with +- operators and only positive numbers allowed.";
const QString kZoe = "Zoë \"Z\", Ødegård";

// Ann, a player of the game with a game in progress and a name no file could hold; Zoë; a player
// without a file of his own; and Gone, whose file cannot be read.
class ExportRecordsTest : public PlayerDlgTest {
protected:
    ExportRecordsTest()
    {
        WriteRaw("data", CrLf({kZoe, "Zo_Z0.ply", "Nofile", "", "Gone", "Gone0.ply", "Ann", "Ann0.ply"}));
        WritePlayer("Ann", "Ann0.ply", {{12, true, true, 1, 0, 0, 2}, {7, true, false, 0, 2, 1, 3}, {3, false, false, 0, 0, 2, 0}});
        WritePlayer(kZoe, "Zo_Z0.ply", {{20, true, true, 0, 0, 0, 0}, {1, false, false, 3, 1, 0, 5}});
        QDir(Folder()).mkdir("Gone0.ply");
        CPlayer& ann = Seat(0, "Ann", "Ann0.ply");
        ann.StartGame(kTitle);
        ann.CountPass();
        ann.m_strName = "Ann\r\nLee, Jr.";
    }
    QString Out() const { return m_home.path() + "/out/records.csv"; }

    CFakeSaveDialog m_saveDialog;
};

}  // namespace

// Catches a player or a game left out (the game in progress, a player without games), players
// not by name, a field out of its column or not quoted where it must be, rows not ended by CR
// LF, text not UTF-8, the start time not in ISO 8601, the flags or counts of one game in
// another's row, the live player's older file used, an unreadable file stopping the export or
// not named afterwards, and anything written into the players folder.
TEST_F(ExportRecordsTest, EveryGameOfEveryPlayerIsOneRowOfTheSheet)
{
    QDir().mkpath(m_home.path() + "/out");
    m_saveDialog.m_strAnswer = Out();
    const QStringList files = Files();
    const QByteArray ann = ReadRaw("Ann0.ply"), index = ReadRaw("data");
    m_app.OnCommand(CGameApp::kExportRecordsCommand);

    QFile file(Out());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.endsWith("\r\n") && bytes.count("\r\n") == 11 && bytes.contains("Zo\xc3\xab"));
    const auto row = [](const QString& strName, int nDay, const QString& strOpponent, QStringList values) {
        return QStringList{strName, QString("1999-01-0%1T10:05:00").arg(nDay), QString("01/0%1/99 at 10:05:00 AM").arg(nDay),
                           kTitle, strOpponent} + values;
    };
    const QList<QStringList> expected = {
        QString("Player,Started,Started (as recorded),Settings,Opponent,Score,Finished,Won,Optimal hints,"
                "Operator hints,Passes,Missed moves").split(","),
        row("Ann\r\nLee, Jr.", 2, "the computer", {"12", "TRUE", "TRUE", "1", "0", "0", "2"}),
        row("Ann\r\nLee, Jr.", 3, "the computer", {"7", "TRUE", "FALSE", "0", "2", "1", "3"}),
        row("Ann\r\nLee, Jr.", 4, "the computer", {"3", "FALSE", "FALSE", "0", "0", "2", "0"}),
        row("Ann\r\nLee, Jr.", 2, "", {"1", "FALSE", "FALSE", "0", "0", "1", "0"}),
        row(kZoe, 2, "the computer", {"20", "TRUE", "TRUE", "0", "0", "0", "0"}),
        row(kZoe, 3, "the computer", {"1", "FALSE", "FALSE", "3", "1", "0", "5"})};
    EXPECT_EQ(ParseCsv(QString::fromUtf8(bytes)), expected);
    EXPECT_EQ(Said(m_prompts), QStringList({"Export Records: Exported 6 game record(s) to " + Out() +
                                            ".\n\nThese player files could not be read and were left out:\nGone (Gone0.ply)"}));
    EXPECT_TRUE(Files() == files && ReadRaw("Ann0.ply") == ann && ReadRaw("data") == index);
}

// Catches a file written after Cancel, into the players folder (or a folder below it), or claimed
// written when it was not; and the save dialog offered when there are no players or their list
// cannot be read.
TEST_F(ExportRecordsTest, AnExportThatCannotOrMustNotBeWrittenSaysSoAndWritesNothing)
{
    const std::pair<QString, QString> cases[] = {
        {"", ""},
        {Folder() + "records.csv", "Please save the records outside the players folder."},
        {Folder() + "../players/sub/records.csv", "Please save the records outside the players folder."},
        {Out(), "Unable to write " + Out() + "."},
        {Out(), "There are no players to export yet."},  // the index removed
        {Out(), "Unable to read the list of players."}};  // a folder in its place
    QDir(Folder()).mkdir("sub");
    for (const auto& [strAnswer, strSaid] : cases) {
        if (strSaid.startsWith("There"))
            QFile::remove(Folder() + "data");
        if (strSaid.startsWith("Unable to read"))
            QDir(Folder()).mkdir("data");
        m_prompts.ClearRecord();
        m_saveDialog.m_strAnswer = strAnswer;
        m_app.OnExportRecords();
        EXPECT_EQ(m_prompts.Texts().join(""), strSaid) << strAnswer.toStdString();
        EXPECT_FALSE(QFileInfo::exists(strAnswer)) << strAnswer.toStdString();
    }
    EXPECT_EQ(m_saveDialog.m_asked.size(), 4);  // none without a list of players
}

// Catches a field left bare that a spreadsheet would split or trim (each reason to quote on its
// own), quotes inside not doubled, and plain fields quoted.
TEST(RecordsCsvTest, AFieldIsQuotedExactlyWhenItMustBe)
{
    const std::pair<QString, QString> cases[] = {
        {"Zoë", "Zoë"}, {"", ""}, {"a,b", "\"a,b\""}, {"say \"hi\"", "\"say \"\"hi\"\"\""}, {"a\nb", "\"a\nb\""},
        {"a\rb", "\"a\rb\""}, {" pad", "\" pad\""}, {"pad ", "\"pad \""}, {"+-*/", "+-*/"}};
    for (const auto& [strText, strField] : cases)
        EXPECT_EQ(CRecordsCsv::Field(strText), strField) << strText.toStdString();
}

// Catches a start time read in the wrong century, 12 AM and 12 PM swapped, or a start line that
// is not a time (an old record may hold its title there) taken for one.
TEST(StartedTimeTest, StartTimesReadAsISO8601)
{
    const std::pair<QString, QString> cases[] = {
        {"12/05/98 at 03:41:07 PM", "1998-12-05T15:41:07"}, {"01/02/03 at 12:00:59 AM", "2003-01-02T00:00:59"},
        {"06/30/69 at 12:30:00 PM", "2069-06-30T12:30:00"}, {"01/01/70 at 11:59:00 PM", "1970-01-01T23:59:00"},
        {"02/30/99 at 10:00:00 AM", ""}, {"01/02/99 at 13:00:00 PM", ""}, {kTitle, ""}, {"", ""}};
    for (const auto& [strStarted, strIso] : cases)
        EXPECT_EQ(CStartedTime::ToIso(strStarted), strIso) << strStarted.toStdString();
}

#include "GameFixture.h"

#include "ExpressionEvaluator.h"
#include "OperatorButton.h"
#include "PlayerIndex.h"
#include "Random.h"

#include <QFile>
#include <algorithm>

CModalRouter::CModalRouter()
{
    CDialog::SetModalHook([this](CDialog& dlg) { Run(dlg); });
}

CModalRouter::~CModalRouter()
{
    CDialog::SetModalHook({});
}

void CModalRouter::Run(CDialog& dlg)
{
    const int nTemplate = dlg.Template().nId;
    if (auto* pMessage = qobject_cast<CMessageDlg*>(&dlg)) {
        m_messages << pMessage->m_strText;
        m_log << QStringLiteral("message ") + pMessage->m_strText;
        if (m_onMessage)
            m_onMessage();
        dlg.EndDialog(IDOK);
        return;
    }
    m_log << QStringLiteral("dialog %1").arg(nTemplate);
    std::deque<Action>& queue = m_queued[nTemplate];
    if (queue.empty()) {
        dlg.EndDialog(nTemplate == 100 ? IDOK : IDCANCEL);
        return;
    }
    Action action = std::move(queue.front());
    queue.pop_front();
    action(dlg);
}

GameTest::GameTest() : m_strOldDir(QDir::currentPath())
{
    QDir::setCurrent(m_home.path());
    QDir().mkpath(QStringLiteral("data"));
    QDir().mkpath(QStringLiteral("players"));
    const QDir source(QStringLiteral(ZORBLY_SOURCE_DIR "/data"));
    for (const QString& strName :
         source.entryList({QStringLiteral("*.A"), QStringLiteral("*.P"), QStringLiteral("*.N"),
                           QStringLiteral("zorb.bmp"), QStringLiteral("zorb.dat")},
                          QDir::Files))
        QFile::copy(source.filePath(strName), QStringLiteral("data/") + strName);
    m_prompts.OnShow([this](const CFakePrompts::Prompt& prompt) {
        m_modals.m_log << QStringLiteral("prompt ") + prompt.m_strText;
    });
    m_app.CSeriesApp::InitInstance({});
    CRandom::Seed(kSeed);
}

GameTest::~GameTest()
{
    QDir::setCurrent(m_strOldDir);
}

void GameTest::WriteBoard(const QString& strKey, const std::vector<int>& numbers)
{
    QFile file(QStringLiteral("data/") + strKey);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (int nNumber : numbers)
        file.write(QStringLiteral("%1 , 0\r\n").arg(nNumber).toLatin1());
}

void GameTest::QueueSetup(const SetupChoice& choice)
{
    m_modals.Queue(132, [choice](CDialog& dlg) {
        if (dlg.IsDlgItemEnabled(1016))
            dlg.CheckRadioButton(1016, 1017, choice.bTwoPlayers ? 1017 : 1016);
        dlg.CheckRadioButton(1027, 1030, 1027 + choice.nSize);
        const QString strAll = QStringLiteral("ASMD");
        const int opIds[] = {1020, 1021, 1022, 1023};
        for (int i = 0; i < 4; ++i)
            dlg.CheckDlgButton(opIds[i], choice.strOperations.contains(strAll[i]));
        dlg.CheckRadioButton(1024, 1026, 1024 + choice.nSignMode);
        dlg.CheckDlgButton(1050, choice.bSounds);
        dlg.CheckDlgButton(1051, choice.bQuickInstructions);
        dlg.ClickDlgItem(IDOK);
    });
}

void GameTest::QueueSelectPlayer(const QString& strName)
{
    m_modals.Queue(143, [strName](CDialog& dlg) {
        dlg.SetDlgItemText(1029, strName);
        dlg.OnCommand(1029, EN_CHANGE);
        dlg.OnCommand(1029, EN_KILLFOCUS);
        dlg.ClickDlgItem(IDOK);
    });
}

void GameTest::StartFirstGame(const SetupChoice& choice, const QStringList& names)
{
    Dlg().Create();
    QueueSetup(choice);
    for (const QString& strName : names)
        QueueSelectPlayer(strName);
    NewGameCommand(true, false);
}

void GameTest::StartRolledGame(bool bSounds)
{
    SetupChoice choice;
    choice.bSounds = bSounds;
    StartFirstGame(choice, {QStringLiteral("Ann")});
    m_prompts.ClearRecord();  // "Add new player?"
    FinishRoll();
}

void GameTest::NewGameCommand(bool bNewPlayers, bool bInProgress)
{
    Dlg().m_bGameInProgress = bInProgress;
    if (bNewPlayers)
        m_app.OnNewPlayers();
    else
        m_app.OnNewGame();
    Dlg().m_bGameInProgress = true;
}

void GameTest::FinishRoll()
{
    // A computer that cannot move passes at the end of its roll, which starts the next roll:
    // the roll is over when the phase drops.
    for (int nTick = 0; nTick <= CGameDlg::kRollTicks && Dlg().m_nTurnPhase != 0; ++nTick) {
        const int nBefore = Dlg().m_nTurnPhase;
        Dlg().OnTimer();
        if (Dlg().m_nTurnPhase < nBefore)
            break;
    }
    ASSERT_LE(Dlg().m_nTurnPhase, 1);
}

std::vector<MoveChoice> GameTest::PossibleMoves()
{
    const CBoardWnd& board = Board();
    const bool bAllowed[] = {board.m_bAdd, board.m_bSubtract, board.m_bMultiply, board.m_bDivide};
    std::vector<char> operators;
    for (int i = 0; i < 4; ++i) {
        if (bAllowed[i])
            operators.push_back("+-*/"[i]);
    }
    const int* pDrawn = Dlg().m_nDrawn;
    std::vector<MoveChoice> moves;
    std::vector<bool> bFound(CBoardWnd::kPlaces, false);
    int order[3] = {0, 1, 2};
    do {
        for (char cFirst : operators) {
            for (char cSecond : operators) {
                for (int nMode = 0; nMode < 3; ++nMode) {
                    const CRowEvaluation eval =
                        CExpressionEvaluator::Evaluate(pDrawn[order[0]], cFirst, pDrawn[order[1]],
                                                       cSecond, pDrawn[order[2]], nMode);
                    if (!eval.Ok())
                        continue;
                    for (int nPlace = 0; nPlace < CBoardWnd::kPlaces; ++nPlace) {
                        const CPieceButton* pPiece = board.Piece(nPlace);
                        if (bFound[nPlace] || !pPiece || pPiece->m_bTaken ||
                            pPiece->m_nNumber != eval.nValue)
                            continue;
                        bFound[nPlace] = true;
                        MoveChoice move;
                        std::copy(order, order + 3, move.row.nEntry);
                        move.row.cOperator[0] = cFirst;
                        move.row.cOperator[1] = cSecond;
                        move.row.nBracketMode = nMode;
                        move.row.nValue = eval.nValue;
                        move.nPlace = nPlace;
                        move.nPoints = pPiece->m_nCount + 1;
                        moves.push_back(move);
                    }
                }
            }
        }
    } while (std::next_permutation(order, order + 3));
    std::stable_sort(moves.begin(), moves.end(), [](const MoveChoice& a, const MoveChoice& b) {
        return a.nPoints > b.nPoints;
    });
    return moves;
}

// The operators and brackets are set before the last number goes in, so the row is evaluated
// once, complete, and never refused.
void GameTest::EnterRow(const RowChoice& row)
{
    CGameDlg& dlg = Dlg();
    void (CGameDlg::*numberHandlers[])() = {&CGameDlg::OnNumber1, &CGameDlg::OnNumber2,
                                            &CGameDlg::OnNumber3};
    (dlg.*numberHandlers[row.nEntry[0]])();
    (dlg.*numberHandlers[row.nEntry[1]])();
    for (int i = 0; i < 4 && dlg.OperatorButton(1006)->GetOperator() != row.cOperator[0]; ++i)
        dlg.OnOperator1();
    for (int i = 0; i < 4 && dlg.OperatorButton(1007)->GetOperator() != row.cOperator[1]; ++i)
        dlg.OnOperator2();
    while (dlg.m_nBracketMode != row.nBracketMode)
        dlg.OnBrackets();
    (dlg.*numberHandlers[row.nEntry[2]])();
    ASSERT_EQ(dlg.GetDlgItemText(1013), QString::number(row.nValue));
}

void GameTest::ClickPiece(int nPlace)
{
    CPieceButton* pPiece = Board().Piece(nPlace);
    ASSERT_NE(pPiece, nullptr);
    pPiece->click();
}

void GameTest::TakeHint(int nButton)
{
    m_modals.Queue(135, [nButton](CDialog& dlg) { dlg.ClickDlgItem(nButton); });
    Dlg().OnHint();
}

int GameTest::TakenNeighbours(int nPlace) const
{
    const CBoardModel& model = m_app.m_gameDlg.Board()->Model();
    return model.CountTakenNeighbours(nPlace / CBoardModel::nColumns,
                                      nPlace % CBoardModel::nColumns);
}

std::unique_ptr<CPlayer> GameTest::LoadPlayer(const QString& strName) const
{
    QList<CPlayerEntry> entries;
    CPlayerIndex::Read(m_home.filePath(QStringLiteral("players/")), entries);
    for (const CPlayerEntry& entry : entries) {
        if (entry.m_strName != strName)
            continue;
        auto pPlayer = std::make_unique<CPlayer>();
        pPlayer->m_strName = entry.m_strName;
        pPlayer->m_strFileName = entry.m_strFileName;
        if (pPlayer->Load(m_home.filePath(QStringLiteral("players/"))))
            return pPlayer;
    }
    return nullptr;
}

std::vector<DrawnRoll> GameTest::SimulateRoll(unsigned nSeed) const
{
    CBoardModel model = m_app.m_gameDlg.Board()->Model();
    CRandom::Seed(nSeed);
    std::vector<DrawnRoll> draws(CGameDlg::kRollTicks);
    for (DrawnRoll& draw : draws) {
        for (int& nNumber : draw.nNumber)
            nNumber = CRandom::Scaled(10);
        int nListPos = 0;
        int nIndex = 0;
        draw.bReaches =
            model.FindBestPiece(draw.nNumber[0], draw.nNumber[1], draw.nNumber[2], nListPos, nIndex);
        if (draw.bReaches) {
            draw.nPlace = model.ArrangedPlace(nListPos);
            draw.nCount = model.Piece(draw.nPlace).m_nCount;
            draw.nValue = model.Piece(draw.nPlace).m_nNumber;
        }
    }
    return draws;
}

unsigned GameTest::FindSeed(const std::function<bool(const std::vector<DrawnRoll>&)>& fnWanted) const
{
    for (unsigned nSeed = 1; nSeed <= 5000; ++nSeed) {
        if (fnWanted(SimulateRoll(nSeed)))
            return nSeed;
    }
    return 0;
}

void GameTest::RollFrom(unsigned nSeed)
{
    CRandom::Seed(nSeed);
    Dlg().m_nBestCount = -1;
    Dlg().m_nBestValue = -1000;
    Dlg().m_nTurnPhase = 1;
    FinishRoll();
}

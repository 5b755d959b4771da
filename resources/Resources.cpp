#include "Resources.h"

#include "Templates.h"

#include <QHash>
#include <functional>

namespace {

const QHash<int, std::function<DialogTemplate()>>& TemplateMakers()
{
    static const QHash<int, std::function<DialogTemplate()>> makers = {
        {100, MakeTemplate100},
        {102, MakeTemplate102},
        {132, MakeTemplate132},
        {135, MakeTemplate135},
        {136, MakeTemplate136},
        {137, MakeTemplate137},
        {142, MakeTemplate142},
        {143, MakeTemplate143},
        {145, MakeTemplate145},
    };
    return makers;
}

}  // namespace

const DialogTemplate& GetDialogTemplate(int nId)
{
    static QHash<int, DialogTemplate> cache;
    auto it = cache.find(nId);
    if (it == cache.end()) {
        auto maker = TemplateMakers().value(nId);
        Q_ASSERT_X(maker, "GetDialogTemplate", "unknown dialog template");
        it = cache.insert(nId, maker ? maker() : DialogTemplate{nId, {}, 100, 50, 8, 0, {}, {}});
    }
    return *it;
}

const std::vector<MenuPopup>& GetMenu(int nId)
{
    static const std::vector<MenuPopup> menu129 = {
        {QStringLiteral("&File"),
         {{QStringLiteral("&New Game\tCtrl+N"), 32775},
          {QStringLiteral("New &Players"), 32778},
          {},
          {QStringLiteral("Player &Statistics"), 32779},
          {},
          {QStringLiteral("&Exit \tCtrl+X"), 32772}}},
        {QStringLiteral("&Maintenance"),
         {{QStringLiteral("Delete &Players"), 32780},
          {QStringLiteral("&Export Records..."), 32790}}},
        {QStringLiteral("&Help"),
         {{QStringLiteral("&Quick Instructions"), 32771},
          {QStringLiteral("&Instructions"), 32773},
          {QStringLiteral("&Ways of the Last Roll\tCtrl+W"), 32781},
          {},
          {QStringLiteral("&About..."), 32774}}},
    };
    static const std::vector<MenuPopup> none;
    return nId == 129 ? menu129 : none;
}

const std::vector<Accelerator>& GetAccelerators(int nId)
{
    static const std::vector<Accelerator> table139 = {
        {Qt::Key_N, Qt::ControlModifier, 32775},
        {Qt::Key_X, Qt::ControlModifier, 32772},
        {Qt::Key_W, Qt::ControlModifier, 32781},
    };
    static const std::vector<Accelerator> none;
    return nId == 139 ? table139 : none;
}

QPixmap LoadBitmap(int nId)
{
    return QPixmap(QStringLiteral(":/bitmaps/%1.png").arg(nId));
}

QIcon LoadIcon(int nId)
{
    return QIcon(QStringLiteral(":/icons/%1.png").arg(nId));
}

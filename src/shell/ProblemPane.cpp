#include "ProblemPane.h"

#include "Cp932Text.h"

#include "editor/EditorSession.h"

#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>

namespace selen::shell {

namespace {
// How long the report must stay unchanged before its problems are listed
// afresh: long enough that typing never waits for the check.
constexpr int kPauseMilliseconds = 300;
constexpr int kListHeight = 130;
}  // namespace

ProblemPane::ProblemPane(EditorSession& session, std::function<void(const ProblemTarget&)> goTo, QWidget* parent)
    : QDockWidget(QStringLiteral("報告書の問題"), parent), session_(session), goTo_(std::move(goTo)),
      list_(new QListWidget), count_(new QPushButton), pause_(new QTimer(this))
{
    setObjectName(QStringLiteral("ProblemDock"));
    list_->setObjectName(QStringLiteral("ProblemList"));
    list_->setToolTip(QStringLiteral("ダブルクリックまたはEnterで、その項目へ移動します"));
    setWidget(list_);
    count_->setObjectName(QStringLiteral("ProblemCount"));
    count_->setFlat(true);
    count_->setFocusPolicy(Qt::NoFocus);
    count_->setToolTip(QStringLiteral("報告書の問題の一覧を表示します（保存はいつでもできます）"));
    connect(count_, &QPushButton::clicked, this, [this] {
        setVisible(!isVisible());
        // A few lines high, so that the page above keeps its fields in sight.
        if (auto* window = qobject_cast<QMainWindow*>(parentWidget()); window && isVisible() && !isFloating())
            QTimer::singleShot(0, this, [this, window] { window->resizeDocks({this}, {kListHeight}, Qt::Vertical); });
    });
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const auto row = static_cast<std::size_t>(list_->row(item));
        if (row < session_.problems().items().size())
            goTo_(session_.problems().items()[row].target);
    });

    pause_->setSingleShot(true);
    pause_->setInterval(kPauseMilliseconds);
    connect(pause_, &QTimer::timeout, this, [this] { refresh(); });
    auto later = [this] { pause_->start(); };
    session_.observations.rowChanged().listen(later);
    session_.observations.listReset().listen(later);
    session_.sites.sitesChanged.listen(later);
    session_.sites.observersChanged.listen(later);
    session_.header.preview.changed().listen(later);
    session_.observationPage.photometry.changed().listen(later);
    session_.captionChanged.listen(later);
    refresh();
}

void ProblemPane::refresh()
{
    pause_->stop();
    const bool changed = session_.refreshProblems();
    const auto& items = session_.problems().items();
    count_->setText(QStringLiteral("問題 %1 件").arg(items.size()));
    if (!changed)
        return;
    const int row = list_->currentRow();
    list_->clear();
    for (const ListedProblem& item : items)
        list_->addItem(fromUtf8(item.text));
    if (row >= 0 && row < list_->count())
        list_->setCurrentRow(row);
}

}  // namespace selen::shell

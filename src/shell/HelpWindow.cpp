#include "HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace selen::shell {

namespace {
constexpr int kFileRole = Qt::UserRole;
constexpr int kTextRole = Qt::UserRole + 1;

QString topicFile(int context)
{
    return QStringLiteral("topic-%1.html").arg(context);
}
}  // namespace

HelpWindow::HelpWindow(QString folder, QWidget* parent)
    : QDialog(parent), folder_(std::move(folder)), search_(new QLineEdit), topics_(new QListWidget),
      page_(new QTextBrowser)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Selen ヘルプ"));
    search_->setObjectName(QStringLiteral("HelpSearch"));
    search_->setPlaceholderText(QStringLiteral("検索する語"));
    topics_->setObjectName(QStringLiteral("HelpTopics"));
    page_->setObjectName(QStringLiteral("HelpPage"));
    page_->setOpenLinks(true);
    page_->setSearchPaths({folder_});

    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(search_);
    leftLayout->addWidget(topics_);
    auto* splitter = new QSplitter;
    splitter->addWidget(left);
    splitter->addWidget(page_);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    resize(860, 560);

    connect(search_, &QLineEdit::textChanged, this, &HelpWindow::filter);
    connect(topics_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            showPage(item->data(kFileRole).toString());
    });
}

QString HelpWindow::findFolder(const QString& executableFolder)
{
    const QStringList candidates{executableFolder + QStringLiteral("/help"),
                                 executableFolder + QStringLiteral("/../share/selen/help")};
    for (const QString& candidate : candidates) {
        if (QFileInfo::exists(candidate + QStringLiteral("/index.html")))
            return QDir::cleanPath(candidate);
    }
    return QDir::cleanPath(candidates.front());
}

bool HelpWindow::ensureLoaded()
{
    if (loaded_)
        return true;
    QDir dir(folder_);
    const QStringList files = dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    if (!dir.exists() || !files.contains(QStringLiteral("index.html"))) {
        QMessageBox::warning(parentWidget(), QStringLiteral("Selen"),
                             QStringLiteral("ヘルプファイルが見つかりません: %1").arg(folder_));
        return false;
    }
    static const QRegularExpression titlePattern(QStringLiteral("<title>(.*)</title>"));
    static const QRegularExpression tagPattern(QStringLiteral("<[^>]*>"));
    for (const QString& name : files) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString html = QString::fromUtf8(file.readAll());
        const QString title = titlePattern.match(html).captured(1);
        auto* item = new QListWidgetItem(title.isEmpty() ? name : title);
        item->setData(kFileRole, name);
        item->setData(kTextRole, QString(html).remove(tagPattern));
        if (name == QStringLiteral("index.html"))
            topics_->insertItem(0, item);
        else
            topics_->addItem(item);
    }
    loaded_ = true;
    return true;
}

void HelpWindow::filter(const QString& words)
{
    for (int i = 0; i < topics_->count(); ++i) {
        QListWidgetItem* item = topics_->item(i);
        const bool match = words.trimmed().isEmpty()
            || item->data(kTextRole).toString().contains(words.trimmed(), Qt::CaseInsensitive);
        item->setHidden(!match);
    }
}

void HelpWindow::showPage(const QString& file)
{
    page_->setSource(QUrl::fromLocalFile(QDir(folder_).filePath(file)));
    for (int i = 0; i < topics_->count(); ++i) {
        if (topics_->item(i)->data(kFileRole).toString() == file && topics_->currentRow() != i) {
            QSignalBlocker blocker(topics_);
            topics_->setCurrentRow(i);
        }
    }
}

HelpWindow& LazyHelp::window()
{
    if (!window_)
        window_ = std::make_unique<HelpWindow>(folder_);
    return *window_;
}

void HelpWindow::showContents()
{
    if (!ensureLoaded())
        return;
    showPage(QStringLiteral("index.html"));
    search_->setFocus();
    show();
    raise();
    activateWindow();
}

void HelpWindow::showTopic(int context)
{
    if (!ensureLoaded())
        return;
    const QString file = topicFile(context);
    if (!QFileInfo::exists(QDir(folder_).filePath(file))) {
        QMessageBox::warning(parentWidget(), QStringLiteral("Selen"),
                             QStringLiteral("ヘルプの項目 %1 が見つかりません: %2").arg(context).arg(folder_));
        return;
    }
    showPage(file);
    show();
    raise();
    activateWindow();
}

}  // namespace selen::shell

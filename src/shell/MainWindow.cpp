#include "MainWindow.h"

#include "Binders.h"
#include "Cp932Text.h"
#include "HelpTopics.h"
#include "ObservationPageView.h"
#include "PredictionImportWindow.h"
#include "ProblemPane.h"
#include "ReportEditorArea.h"
#include "SitesPageView.h"

#include "editor/EditorSession.h"
#include "entry/Colour.h"
#include "settings/AppSettings.h"

#include <algorithm>

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QScrollArea>
#include <QSet>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace selen::shell {

namespace {

// The text fields the Edit menu serves; with the focus anywhere else its
// commands do nothing.
const QSet<QString>& clipboardFields()
{
    static const QSet<QString> fields = [] {
        QSet<QString> names{QStringLiteral("Memo1"), QStringLiteral("Memo2")};
        for (int n : {2, 3, 4, 9, 10, 11, 21, 12, 13, 14, 22, 15, 16, 17, 18, 19, 20, 23, 24, 25, 26, 27, 28, 29, 30,
                      33, 34, 31, 45, 44, 32, 35, 36, 37, 38, 39, 40, 41, 42, 43})
            names.insert(QStringLiteral("Edit%1").arg(n));
        return names;
    }();
    return fields;
}

constexpr int kImportHelpTopic = 71;

QPushButton* button(const QString& objectName, const QString& caption)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(objectName);
    return b;
}

}  // namespace

MainWindow::MainWindow(EditorSession& session, QWidget* parent)
    : QMainWindow(parent), session_(session),
      refuse_([this](const QString& character) { session_.refuseCharacter(character.toStdString()); })
{
    setObjectName(QStringLiteral("TForm1"));
    pages_ = new QTabWidget;
    pages_->setObjectName(QStringLiteral("PageControl1"));
    // Fixed pitch on the pages, so that report columns line up under the
    // rulers: every half-width character is 8 pixels wide.
    QFont fixed(QStringLiteral("IPAGothic"));
    fixed.setStyleHint(QFont::Monospace);
    fixed.setPixelSize(16);
    pages_->setFont(fixed);
    // Pages are built when first shown: start-up pays only for the page it
    // opens on.
    builders_ = {[this] { return buildReadPage(); }, [this] { return buildHeaderPage(); },
                 [this] { return buildSitesPage(); }, [this] { return buildObservationsPage(); },
                 [this] { return buildOutputPage(); }, [this] { return buildOptionsPage(); }};
    const QStringList captions{QStringLiteral("報告書(読み込み)"), QStringLiteral("ヘッダ"),
                               QStringLiteral("観測地・望遠鏡・観測者"), QStringLiteral("観測結果"),
                               QStringLiteral("報告書(出力)"), QStringLiteral("オプション")};
    for (const QString& caption : captions) {
        auto* holder = new QWidget;
        auto* holderLayout = new QVBoxLayout(holder);
        holderLayout->setContentsMargins(0, 0, 0, 0);
        pages_->addTab(holder, caption);
    }

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(pages_, 1);
    layout->addWidget(buildPasteArea());
    setCentralWidget(central);
    buildMenus();
    problemPane_ = new ProblemPane(session_, [this](const ProblemTarget& target) { goTo(target); }, this);
    addDockWidget(Qt::BottomDockWidgetArea, problemPane_);
    problemPane_->hide();
    menuBar()->setCornerWidget(problemPane_->countButton());

    session_.pageShown.listen([this] { followPage(); });
    session_.captionChanged.listen([this] { setWindowTitle(fromUtf8(session_.caption())); });
    session_.wordWrapChanged.listen([this] { followWordWrap(); });
    connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
        // A change the session will refuse is undone before anything paints
        // the other page; the session then shows why.
        if (session_.pageChangeRefused(index)) {
            QSignalBlocker blocker(pages_);
            pages_->setCurrentIndex(session_.currentPage());
        } else {
            ensurePage(index);
        }
        bool changed = false;
        session_.run([&] { changed = session_.changePage(index); });
        if (!changed)
            followPage();
    });

    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(f2, &QShortcut::activated, this, [this] {
        if (session_.currentPage() == pages::kObservations && observationPage_)
            observationPage_->list()->setFocus();
    });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { showFocusedHelp(); });

    session_.run([this] { session_.start(); });
    setWindowTitle(fromUtf8(session_.caption()));
    followPage();
    followWordWrap();
    setAcceptDrops(true);
    fitToScreen();
    restoreGeometry();
}

void MainWindow::fitToScreen()
{
    // As large as the pages like to be, but never past the screen (a laptop).
    const QRect screen = this->screen()->availableGeometry();
    resize(std::min(1366, screen.width()), std::min(900, screen.height()));
    move(screen.topLeft());
}

void MainWindow::restoreGeometry()
{
    std::optional<WindowGeometry> recorded = session_.recordedWindowGeometry();
    if (!recorded)
        return;
    // Within the screen that is there now: a screen that was unplugged, or
    // a smaller one, never leaves the window out of reach.
    const QRect wanted(recorded->x, recorded->y, recorded->width, recorded->height);
    QScreen* target = QGuiApplication::screenAt(wanted.center());
    const QRect screen = (target ? target : this->screen())->availableGeometry();
    const int width = std::min(wanted.width(), screen.width());
    const int height = std::min(wanted.height(), screen.height());
    const int x = std::clamp(wanted.x(), screen.left(), screen.left() + screen.width() - width);
    const int y = std::clamp(wanted.y(), screen.top(), screen.top() + screen.height() - height);
    resize(width, height);
    move(x, y);
    if (recorded->maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    bool close = false;
    session_.run([&] { close = session_.confirmClose(); });
    if (!close) {
        event->ignore();
        return;
    }
    // The place of the frame and the size of the window, as move() and
    // resize() take them back.
    const QRect normal = isMaximized() ? normalGeometry() : QRect(pos(), size());
    session_.rememberWindowGeometry(WindowGeometry{normal.x(), normal.y(), normal.width(), normal.height(), isMaximized()});
    if (importWindow_)
        importWindow_->close();
    event->accept();
}

namespace {
// The report file a drag carries: one local file, a .LOR or .txt report.
QString droppedReport(const QMimeData* data)
{
    if (!data->hasUrls() || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return {};
    const QString path = data->urls().first().toLocalFile();
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QStringLiteral("lor") || suffix == QStringLiteral("txt") ? path : QString();
}
}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedReport(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedReport(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    session_.run([&] { session_.openGivenReport(QFile::encodeName(path).toStdString()); });
}

void MainWindow::goTo(const ProblemTarget& target)
{
    pages_->setCurrentIndex(target.page);
    if (pages_->currentIndex() != target.page)
        return;  // leaving the observation page was refused
    session_.run([&] {
        if (target.record > 0)
            session_.observations.select(target.record - 1);
        if (target.site > 0)
            session_.sites.selectSite(target.site - 1);
        if (target.observer > 0)
            session_.sites.selectObserver(target.observer - 1);
    });
    QWidget* page = pages_->widget(target.page);
    if (target.textLine > 0) {
        if (auto* editor = page->findChild<QPlainTextEdit*>(QStringLiteral("Memo2"))) {
            QTextCursor cursor(editor->document()->findBlockByNumber(static_cast<int>(target.textLine) - 1));
            editor->setTextCursor(cursor);
            editor->centerCursor();
        }
    }
    if (auto* field = page->findChild<QWidget*>(QString::fromStdString(target.formName)); field && field->isEnabled())
        field->setFocus(Qt::OtherFocusReason);
}

void MainWindow::openFromCommandLine(const QStringList& arguments)
{
    if (arguments.size() < 2)
        return;
    const QString path = QFileInfo(arguments.at(1)).absoluteFilePath();
    session_.run([&] { session_.openGivenReport(QFile::encodeName(path).toStdString()); });
}

void MainWindow::buildMenus()
{
    auto add = [this](QMenu* menu, const QString& objectName, const QString& caption, auto slot) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(objectName);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("FileMenu"));
    // The desktop's standard keys, shown in the menu.
    add(file, QStringLiteral("FileNew"), QStringLiteral("新規作成(&N)"), [this] { session_.run([this] { session_.newReport(); }); })
        ->setShortcut(QKeySequence::New);
    add(file, QStringLiteral("FileOpen"), QStringLiteral("データファイルを開く(&O)"), [this] { session_.run([this] { session_.openReport(); }); })
        ->setShortcut(QKeySequence::Open);
    add(file, QStringLiteral("FileSave"), QStringLiteral("データファイルを保存(&S)"), [this] { session_.run([this] { session_.saveReport(); }); })
        ->setShortcut(QKeySequence::Save);
    add(file, QStringLiteral("FileExit"), QStringLiteral("終了(&X)"), [this] { close(); })->setShortcut(QKeySequence::Quit);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    add(edit, QStringLiteral("EditCopy"), QStringLiteral("コピー"), [this] {
        editCommand([](QWidget* w) {
            if (auto* line = qobject_cast<QLineEdit*>(w)) line->copy();
            else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) memo->copy();
        });
    });
    add(edit, QStringLiteral("EditPaste"), QStringLiteral("貼り付け"), [this] {
        editCommand([](QWidget* w) {
            if (auto* line = qobject_cast<QLineEdit*>(w)) line->paste();
            else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) memo->paste();
        });
    });
    add(edit, QStringLiteral("EditSelectAll"), QStringLiteral("全て選択"), [this] {
        editCommand([](QWidget* w) {
            if (auto* line = qobject_cast<QLineEdit*>(w)) line->selectAll();
            else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) memo->selectAll();
        });
    });
    edit->addSeparator()->setObjectName(QStringLiteral("EditBlank"));  // the menu's item without a caption
    add(edit, QStringLiteral("EditCut"), QStringLiteral("切り取り"), [this] {
        editCommand([](QWidget* w) {
            if (auto* line = qobject_cast<QLineEdit*>(w)) line->cut();
            else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) memo->cut();
        });
    });

    QMenu* tools = menuBar()->addMenu(QStringLiteral("ツール(&T)"));
    tools->setObjectName(QStringLiteral("ToolsMenu"));
    importAction_ = tools->addAction(QStringLiteral("OCCULT予報からの入力( &I )"));
    importAction_->setObjectName(QStringLiteral("ToolsImport"));
    importAction_->setProperty("helpTopic", kImportHelpTopic);
    connect(importAction_, &QAction::triggered, this, [this] { openImportWindow(); });
    QAction* settings = tools->addAction(QStringLiteral("環境設定"));
    settings->setObjectName(QStringLiteral("ToolsSettings"));
    settings->setEnabled(false);

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    add(help, QStringLiteral("HelpTopics"), QStringLiteral("トピックの検索"), [this] { session_.showContentsHelp(); });
}

// A group box holding one button that runs a session command.
QWidget* MainWindow::commandGroup(const QString& caption, const QString& objectName, const QString& buttonCaption,
                                  std::function<void()> command)
{
    auto* group = new QGroupBox(caption);
    auto* layout = new QHBoxLayout(group);
    QPushButton* b = button(objectName, buttonCaption);
    layout->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, command = std::move(command)] { session_.run(command); });
    return group;
}

// A report editor page: its command groups above, the editor with its
// column ruler below.
QWidget* MainWindow::reportEditorPage(MemoControl& memo, const QString& upDownName, ReportEditorArea*& area,
                                      std::initializer_list<QWidget*> groups)
{
    auto* editor = new QPlainTextEdit;
    bindMemo(editor, memo, refuse_);
    auto* upDown = new QSpinBox;
    upDown->setObjectName(upDownName);
    area = new ReportEditorArea(editor, upDown);
    auto* buttons = new QHBoxLayout;
    for (QWidget* group : groups)
        buttons->addWidget(group);
    buttons->addStretch();
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(buttons);
    layout->addWidget(area, 1);
    return page;
}

QWidget* MainWindow::buildReadPage()
{
    return reportEditorPage(
        session_.readEditor, QStringLiteral("ReadRulerUpDown"), readArea_,
        {commandGroup(QStringLiteral("ファイル"), QStringLiteral("OpenButton"), QStringLiteral("ファイルを開く"),
                      [this] { session_.openReport(); }),
         commandGroup(QStringLiteral("編集結果の反映"), QStringLiteral("ApplyButton"),
                      QStringLiteral("編集結果を項目入力に反映する"), [this] { session_.applyEditorText(); })});
}

QWidget* MainWindow::buildHeaderPage()
{
    auto* page = new QWidget;
    HeaderPage& header = session_.header;
    auto* place = new QLineEdit;
    auto* email = new QLineEdit;
    auto* representative = new QLineEdit;
    auto rule = [&header](const TextControl& control) {
        return [&header, &control](NavigationKey key, bool empty) { return header.keyRule(control.formName(), key, empty); };
    };
    bindText(place, header.placeName, refuse_, rule(header.placeName));
    bindText(email, header.emailAddress, refuse_, rule(header.emailAddress));
    bindText(representative, header.representative, refuse_, rule(header.representative));
    for (QLineEdit* edit : {place, email, representative}) {
        edit->setProperty("helpTopic", HeaderPage::kHelpTopic);
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    }
    auto* message = new QPlainTextEdit;
    bindMemo(message, header.message, refuse_);
    message->setTabChangesFocus(true);
    auto* preview = new QListWidget;
    bindList(preview, header.preview);
    preview->setFocusPolicy(Qt::NoFocus);
    preview->setProperty("helpTopic", HeaderPage::kHelpTopic);
    QPushButton* howTo = button(QStringLiteral("Button18"), QStringLiteral("観測地名の表記法"));
    connect(howTo, &QPushButton::clicked, this, [this] { session_.showHelpTopic(HeaderPage::kPlaceNameHelpTopic); });

    auto* form = new QVBoxLayout;
    auto addField = [form](const QString& caption, QWidget* field, const QString& guidance) {
        form->addWidget(new QLabel(caption));
        form->addWidget(field);
        if (!guidance.isEmpty())
            form->addWidget(new QLabel(guidance));  // broken by hand: wrapping costs start-up time
    };
    addField(QStringLiteral("観測地名"), place,
             QStringLiteral("ローマ字(ヘボン式)で、[市町村名, 県名, Japan] の書式で\n入力してください。"
                            "例: Hachioji, Tokyo, Japan\n※カンマ(,)と次項との間に、半角スペースを入れてください。"));
    form->addWidget(howTo, 0, Qt::AlignLeft);
    addField(QStringLiteral("Email address"), email,
             QStringLiteral("整理担当者から代表者への連絡用です。\nデータセンターへ送る記録ファイルには入りません。"));
    addField(QStringLiteral("観測代表者"), representative,
             QStringLiteral("ローマ字(ヘボン式)でフルネームで記入してください。例: Taro Tsukimi"));
    addField(QStringLiteral("特記事項・連絡事項"), message,
             QStringLiteral("例: 3月の観測分です。\n機器の設定や天候等の詳細は、\nオプションのメッセージエディタをご利用ください。"));

    auto* registry = new QGroupBox(QStringLiteral("地名,Email,代表者の登録"));
    auto* registryLayout = new QVBoxLayout(registry);
    registryLayout->addWidget(slotSelectors(session_.registered.headerRegister, session_.registered.headerRecall));
    QPushButton* asDefault = button(QStringLiteral("Button6"), QStringLiteral("デフォルトとして登録"));
    connect(asDefault, &QPushButton::clicked, this,
            [this] { session_.run([this] { session_.registered.registerHeaderDefault(); }); });
    registryLayout->addWidget(asDefault, 0, Qt::AlignLeft);
    form->addWidget(registry);

    auto* previewBox = new QGroupBox(QStringLiteral("報告書"));
    auto* previewLayout = new QVBoxLayout(previewBox);
    previewLayout->addWidget(preview);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(form, 1);
    layout->addWidget(previewBox, 1);
    // Tab order as the page reads: the fields, the message, the default
    // button, then the help on writing place names.
    const std::array<QWidget*, 6> order{place, email, representative, message, asDefault, howTo};
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    return page;
}

QWidget* MainWindow::buildSitesPage()
{
    return new SitesPageView(session_, refuse_);
}

QWidget* MainWindow::buildObservationsPage()
{
    observationPage_ = new ObservationPageView(session_, refuse_, [this] { openImportWindow(); });
    return observationPage_;
}

QWidget* MainWindow::buildOutputPage()
{
    return reportEditorPage(session_.outputEditor, QStringLiteral("OutputRulerUpDown"), outputArea_,
                            {commandGroup(QStringLiteral("ファイル"), QStringLiteral("SaveButton"),
                                          QStringLiteral("ファイルに保存する"), [this] { session_.saveReport(); })});
}

QWidget* MainWindow::buildOptionsPage()
{
    auto* page = new QWidget;
    messageEditor_ = new QPlainTextEdit;
    bindMemo(messageEditor_, session_.messageEditor, refuse_);
    wordWrap_ = new QCheckBox(QStringLiteral("右端で折り返す"));
    wordWrap_->setObjectName(QStringLiteral("WordWrapCheckBox"));
    connect(wordWrap_, &QCheckBox::clicked, this, [this](bool checked) { session_.setWordWrap(checked); });
    auto* group = new QGroupBox(QStringLiteral("メッセージエディタ"));
    auto* groupLayout = new QVBoxLayout(group);
    auto* explanation = new QLabel(QStringLiteral(
        "機器の設定、天候、観測の状況など、整理担当者へ伝えたいことを自由に書いてください。"
        "ここに書いた内容は、報告書の最後に「*** Message to Ostrand ***」の行に続けて出力されます。"));
    explanation->setWordWrap(true);
    groupLayout->addWidget(explanation);
    groupLayout->addWidget(messageEditor_, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group, 1);
    layout->addWidget(wordWrap_);
    return page;
}

QWidget* MainWindow::buildPasteArea()
{
    auto* area = new QWidget;
    auto* paste = new QPlainTextEdit;
    bindMemo(paste, session_.pasteArea, refuse_);
    paste->setFixedHeight(56);
    paste->setPlaceholderText(QStringLiteral("記録行をここに貼り付けて「追加」を押すと、観測の一覧に加わります"));
    paste->setToolTip(QStringLiteral("観測の記録行（報告書の形式の行）を貼り付けて「追加」を押すと、観測の一覧に加わります"));
    QPushButton* pasteButton = button(QStringLiteral("PasteButton"), QStringLiteral("ペースト"));
    QPushButton* addButton = button(QStringLiteral("AddPastedButton"), QStringLiteral("追加"));
    connect(addButton, &QPushButton::clicked, this, [this] { session_.run([this] { session_.addPastedRecords(); }); });
    connect(pasteButton, &QPushButton::clicked, paste, [paste] {
        paste->setFocus();
        paste->paste();
    });
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(paste, 1);
    layout->addWidget(pasteButton);
    layout->addWidget(addButton);
    return area;
}

void MainWindow::ensurePage(int index)
{
    if (index < 0 || index >= static_cast<int>(builders_.size()) || !builders_[static_cast<std::size_t>(index)])
        return;
    auto build = std::move(builders_[static_cast<std::size_t>(index)]);
    builders_[static_cast<std::size_t>(index)] = nullptr;
    // Every page scrolls rather than squeeze its fields below their size
    // when the window is smaller than the page (a laptop screen).
    auto* scroller = new QScrollArea;
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    QWidget* page = build();
    scroller->setWidget(page);
    pages_->widget(index)->layout()->addWidget(scroller);
    // Shown now, not when the event loop next runs, so that the focus can go
    // to one of its fields at once.
    scroller->show();
    followWordWrap();
}

void MainWindow::followPage()
{
    ensurePage(session_.currentPage());
    if (pages_->currentIndex() != session_.currentPage()) {
        QSignalBlocker blocker(pages_);
        pages_->setCurrentIndex(session_.currentPage());
    }
    importAction_->setEnabled(session_.importMenuEnabled());
}

void MainWindow::followWordWrap()
{
    const bool wrap = session_.wordWrap();
    if (wordWrap_)
        wordWrap_->setChecked(wrap);
    if (readArea_)
        readArea_->setWrap(wrap);
    if (outputArea_)
        outputArea_->setWrap(wrap);
    if (messageEditor_)
        messageEditor_->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void MainWindow::editCommand(void (*apply)(QWidget*))
{
    QWidget* focused = focusWidget();
    if (focused && clipboardFields().contains(focused->objectName()))
        apply(focused);
}

void MainWindow::openImportWindow()
{
    // One window at a time; it frees itself when closed.
    if (importWindow_)
        return;
    importWindow_ = new PredictionImportWindow(
        session_.prediction, [this](const std::function<void()>& command) { session_.run(command); },
        [this] { session_.showHelpTopic(kImportHelpTopic); }, this);
    importWindow_->show();
}

void MainWindow::showFocusedHelp()
{
    // Walking up from the focused widget: a "helpTopic" property wins, else
    // the topic of the widget's form name.
    if (const int topic = helpTopicOf(focusWidget()))
        session_.showHelpTopic(topic);
    else
        session_.showContentsHelp();
}

}  // namespace selen::shell

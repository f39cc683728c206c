#include "PredictionImportWindow.h"

#include "Cp932Text.h"

#include "editor/PredictionImport.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace selen::shell {

namespace {
constexpr int kHelpTopic = 71;

QPushButton* button(const char* objectName, const QString& caption, bool tabStop)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setProperty("helpTopic", kHelpTopic);
    if (!tabStop)
        b->setFocusPolicy(Qt::NoFocus);
    // No button answers Enter: the window has no default action.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}
}  // namespace

PredictionImportWindow::PredictionImportWindow(PredictionImport& import,
                                               std::function<void(const std::function<void()>&)> run,
                                               std::function<void()> showHelp, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowStaysOnTopHint), import_(import), run_(std::move(run)),
      list_(new QListWidget)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("OCCULT予報ファイルからの入力"));
    setAttribute(Qt::WA_DeleteOnClose);
    setProperty("helpTopic", kHelpTopic);
    resize(1010, 512);
    move(40, 40);
    // The main window's F1 does not reach a window of its own.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, std::move(showHelp));

    QPushButton* load = button("Button2", QStringLiteral("① OCCULT予報ファイルの読み込み"), false);
    QPushButton* paste = button("Button5", QStringLiteral("① OCCULT 予報からの貼り付け"), true);
    QPushButton* transfer = button("Button1", QStringLiteral("③ Selenの報告書へ入力"), false);
    QPushButton* larger = button("Button3", QStringLiteral("+"), false);
    QPushButton* smaller = button("Button4", QStringLiteral("-"), false);
    connect(load, &QPushButton::clicked, this, [this] {
        run_([this] { import_.loadFile(); });
        list_->setFocus();
    });
    connect(paste, &QPushButton::clicked, this, [this] {
        run_([this] { import_.paste(); });
        list_->setFocus();
    });
    connect(transfer, &QPushButton::clicked, this, [this] { run_([this] { import_.transfer(); }); });
    connect(larger, &QPushButton::clicked, this, [this] { import_.enlargeFont(); });
    connect(smaller, &QPushButton::clicked, this, [this] { import_.reduceFont(); });

    list_->setObjectName(QStringLiteral("ListBox1"));
    list_->setProperty("helpTopic", kHelpTopic);
    list_->setWordWrap(false);  // one list line per listing line, however wide
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            run_([this, row] { import_.select(static_cast<std::size_t>(row)); });
    });

    auto* fields = new QGridLayout;
    const QStringList captions{QStringLiteral("年"),   QStringLiteral("月"),   QStringLiteral("日"),
                               QStringLiteral("時"),   QStringLiteral("分"),   QStringLiteral("秒"),
                               QStringLiteral("星表番号"), QStringLiteral("現象"), QStringLiteral("月縁")};
    for (int i = 0; i < captions.size(); ++i) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setProperty("helpTopic", kHelpTopic);
        edit->setFixedWidth(i == 6 ? 90 : 48);
        fields->addWidget(new QLabel(captions[i]), 0, i);
        fields->addWidget(edit, 1, i);
        shown_.push_back(edit);
    }
    auto* label8 = new QLabel(QStringLiteral("※秒は入力されません。"));
    label8->setObjectName(QStringLiteral("Label8"));

    auto* top = new QHBoxLayout;
    top->addWidget(load);
    top->addWidget(paste);
    auto* label10 = new QLabel(QStringLiteral("② リストから現象を選択"));
    label10->setObjectName(QStringLiteral("Label10"));
    top->addWidget(label10);
    top->addStretch();
    top->addWidget(new QLabel(QStringLiteral("フォントサイズ")));
    top->addWidget(larger);
    top->addWidget(smaller);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(fields);
    bottom->addWidget(label8);
    bottom->addStretch();
    bottom->addWidget(transfer);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(list_, 1);
    layout->addLayout(bottom);

    import_.windowOpened();
    listener_ = import_.changed.listen([this] { follow(); });
    follow();
}

PredictionImportWindow::~PredictionImportWindow()
{
    import_.changed.forget(listener_);
}

void PredictionImportWindow::follow()
{
    QSignalBlocker blocker(list_);
    const auto& lines = import_.lines();
    // A new listing replaces the list as a whole, even one that begins
    // like the last.
    if (lines != shownLines_) {
        shownLines_ = lines;
        list_->clear();
        for (const std::string& line : lines)
            list_->addItem(fromCp932(line));
    }
    if (import_.selected() < lines.size())
        list_->setCurrentRow(static_cast<int>(import_.selected()));
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(import_.fontSize());
    list_->setFont(font);
    const PredictedEvent& e = import_.event();
    const std::string* values[] = {&e.year,   &e.month,     &e.day,        &e.hour, &e.minute,
                                   &e.second, &e.catalogue, &e.phenomenon, &e.limb};
    for (std::size_t i = 0; i < shown_.size(); ++i)
        shown_[i]->setText(fromCp932(*values[i]));
}

}  // namespace selen::shell

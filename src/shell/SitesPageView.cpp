#include "SitesPageView.h"

#include "Cp932Text.h"
#include "PageWidgets.h"

#include "editor/EditorSession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <tuple>
#include <vector>

namespace selen::shell {

SitesPageView::SitesPageView(EditorSession& session, const Refusal& refuse, QWidget* parent)
    : QWidget(parent), session_(session), refuse_(refuse)
{
    // The site and its telescope on the left; the observer and the two
    // lists on the right, so that everything fits a laptop screen.
    auto* left = new QVBoxLayout;
    left->addWidget(siteGroup());
    left->addWidget(telescopeGroup());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(observerGroup());
    right->addWidget(listGroup(true), 1);
    right->addWidget(listGroup(false), 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(left);
    layout->addLayout(right, 1);
    session_.sites.sitesChanged.listen([this] { followLists(); });
    session_.sites.observersChanged.listen([this] { followLists(); });
    session_.sites.labelsChanged.listen([this] { followLabels(); });
    followLists();
    followLabels();
}

KeyRule SitesPageView::rule(const std::string& formName)
{
    return [this, formName](NavigationKey key, bool empty) {
        const std::string target = SitesPage::jumpTarget(formName, key);
        if (!target.empty()) {
            // The list's choice is put first, then the focus jumps.
            session_.sites.putField(formName);
            if (auto* w = findChild<QWidget*>(QString::fromStdString(target)))
                w->setFocus(key == NavigationKey::Left ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            return KeyOutcome{true, 0, true};
        }
        KeyOutcome outcome = session_.sites.keyRule(formName, key, empty);
        if (outcome.put)
            session_.sites.putField(formName);
        return outcome;
    };
}

bool SitesPageView::eventFilter(QObject* watched, QEvent* event)
{
    // The observer's name is put again when it loses the focus.
    if (event->type() == QEvent::FocusOut && watched->objectName() == QStringLiteral("Edit19"))
        session_.sites.putField("Edit19");
    return QWidget::eventFilter(watched, event);
}

QWidget* SitesPageView::siteGroup()
{
    SitesPage& page = session_.sites;
    auto* box = new QGroupBox(QStringLiteral("観測地"));
    auto* grid = new QGridLayout(box);
    auto* surveyed = new QCheckBox(QStringLiteral("観測地経緯度は測量により求められたものである"));
    bindCheck(surveyed, page.surveyed);
    grid->addWidget(surveyed, 0, 0, 1, 8);

    auto coordinateRow = [&](int row, QPushButton*& label, const char* labelName, void (SitesPage::*click)(),
                             std::initializer_list<TextControl*> fields) {
        // A button that looks like one (hover, pressed): a click switches the word.
        label = commandButton(QString::fromLatin1(labelName), QString());
        label->setToolTip(click == &SitesPage::clickLongitudeLabel ? QStringLiteral("クリックで東経と西経を切り替えます")
                                                                   : QStringLiteral("クリックで北緯と南緯を切り替えます"));
        connect(label, &QPushButton::clicked, this, [this, click] { session_.run([this, click] { (session_.sites.*click)(); }); });
        grid->addWidget(label, row, 0);
        int column = 1;
        for (TextControl* c : fields) {
            QLineEdit* edit = fixedField(static_cast<int>(c->maxBytes() < 2 ? 2 : c->maxBytes()));
            bindText(edit, *c, refuse_, rule(c->formName()));
            grid->addWidget(edit, row, column++);
            if (column == 4)
                grid->addWidget(new QLabel(QStringLiteral(".")), row, column++);
        }
    };
    grid->addWidget(new QLabel(QStringLiteral("度　分　秒")), 1, 1, 1, 3);
    coordinateRow(2, longitudeLabel_, "Label10", &SitesPage::clickLongitudeLabel,
                  {&page.longitudeDegrees, &page.longitudeMinutes, &page.longitudeSeconds, &page.longitudeDecimals});
    coordinateRow(3, latitudeLabel_, "Label9", &SitesPage::clickLatitudeLabel,
                  {&page.latitudeDegrees, &page.latitudeMinutes, &page.latitudeSeconds, &page.latitudeDecimals});

    grid->addWidget(new QLabel(QStringLiteral("標高")), 4, 0);
    QLineEdit* altitude = fixedField(4);
    bindText(altitude, page.altitude, refuse_, rule(page.altitude.formName()));
    QLineEdit* tenths = fixedField(1);
    bindText(tenths, page.altitudeTenths, refuse_, rule(page.altitudeTenths.formName()));
    grid->addWidget(altitude, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral(".")), 4, 2);
    grid->addWidget(tenths, 4, 3);
    grid->addWidget(new QLabel(QStringLiteral("m")), 4, 4);
    auto* height = new QComboBox;
    bindChoice(height, page.heightDatum, rule("ComboBox2"));
    height->setToolTip(QStringLiteral("標高は地形図から読み取った高さ。　楕円体高は、GPSが表示する高さの数値。"));
    grid->addWidget(height, 4, 5, 1, 3);
    auto* datum = new QComboBox;
    bindChoice(datum, page.horizontalDatum, rule("ComboBox1"));
    datum->setMaxVisibleItems(12);
    datum->setToolTip(QStringLiteral("原則としてWGS84を選択してください。"));
    grid->addWidget(new QLabel(QStringLiteral("測地系")), 5, 0);
    grid->addWidget(datum, 5, 1, 1, 7);

    QPushButton* from = commandButton(QStringLiteral("Button19"), QStringLiteral("\"Vantrel\"より"));
    QPushButton* to = commandButton(QStringLiteral("Button20"), QStringLiteral("\"Vantrel\"へ"));
    // The route buttons are tab stops: Enter in the datum list goes on to them.
    for (QPushButton* b : {from, to})
        b->setFocusPolicy(Qt::StrongFocus);
    QPushButton* clear = commandButton(QStringLiteral("Button7"), QStringLiteral("数値のクリア"));
    connect(from, &QPushButton::clicked, this, [this] { session_.run([this] { session_.takeRouteFromClipboard(); }); });
    connect(to, &QPushButton::clicked, this, [this] { session_.run([this] { session_.putRouteOnClipboard(); }); });
    connect(clear, &QPushButton::clicked, this, [this] { session_.run([this] { session_.sites.clearSiteValues(); }); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(from);
    buttons->addWidget(to);
    buttons->addWidget(clear);
    buttons->addStretch();
    grid->addLayout(buttons, 6, 0, 1, 8);
    grid->addWidget(slotSelectors(session_.registered.siteRegister, session_.registered.siteRecall), 7, 0, 1, 8);
    return box;
}

QWidget* SitesPageView::telescopeGroup()
{
    SitesPage& page = session_.sites;
    auto* box = new QGroupBox(QStringLiteral("望遠鏡"));
    auto* grid = new QGridLayout(box);
    int row = 0;
    for (auto [caption, control, name] : {std::tuple{"形式", &page.telescopeType, "ComboBox3"},
                                          std::tuple{"架台", &page.mount, "ComboBox4"},
                                          std::tuple{"駆動", &page.drive, "ComboBox5"}}) {
        grid->addWidget(new QLabel(QString::fromUtf8(caption)), row, 0);
        auto* combo = new QComboBox;
        bindChoice(combo, *control, rule(name));
        grid->addWidget(combo, row++, 1, 1, 2);
    }
    for (auto [caption, control] : {std::pair{"口径", &page.aperture}, std::pair{"焦点距離", &page.focalLength}}) {
        grid->addWidget(new QLabel(QString::fromUtf8(caption)), row, 0);
        QLineEdit* edit = fixedField(4);
        bindText(edit, *control, refuse_, rule(control->formName()));
        grid->addWidget(edit, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("cm")), row++, 2);
    }
    grid->addWidget(slotSelectors(session_.registered.telescopeRegister, session_.registered.telescopeRecall), row, 0, 1, 3);
    return box;
}

QWidget* SitesPageView::observerGroup()
{
    SitesPage& page = session_.sites;
    auto* box = new QGroupBox(QStringLiteral("観測者"));
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("※同一地点（望遠鏡）の観測が複数の観測者により行われた場合は、\n"
                                              "代表者1名を記載してください。\n※全て、半角英数字を用いて表記してください。")),
                    0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("氏名")), 1, 0);
    QLineEdit* name = fixedField(25);
    bindText(name, page.observerName, refuse_, rule(page.observerName.formName()));
    name->installEventFilter(this);
    grid->addWidget(name, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("例: T. Tsukimi")), 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("名前の頭文字 + . + スペース + 姓\nとなるように半角英文字で表記してください")),
                    2, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Email address")), 3, 0);
    QLineEdit* email = fixedField(45);
    bindText(email, page.observerEmail, refuse_, rule(page.observerEmail.formName()));
    grid->addWidget(email, 3, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("* このEmailアドレスは、コーディネーターから観測者への連絡用です。\n"
                                              "  データセンターへ送る記録ファイルには入りません。")),
                    4, 0, 1, 3);
    for (QLineEdit* edit : {name, email})
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    grid->addWidget(slotSelectors(session_.registered.observerRegister, session_.registered.observerRecall), 5, 0, 1, 3);
    grid->setColumnStretch(2, 1);  // the fields stay beside their captions
    return box;
}

QWidget* SitesPageView::listGroup(bool sites)
{
    SitesPage& page = session_.sites;
    auto* box = new QGroupBox(sites ? QStringLiteral("観測地・望遠鏡の一覧") : QStringLiteral("観測者の一覧"));
    auto* layout = new QVBoxLayout(box);
    auto* buttons = new QHBoxLayout;
    struct Command {
        const char* name;
        const char* caption;
        void (SitesPage::*run)();
    };
    const std::vector<Command> commands =
        sites ? std::vector<Command>{{"Button1", "観測地の追加", &SitesPage::addSite},
                                               {"BitBtn3", "△", &SitesPage::moveSiteUp},
                                               {"BitBtn4", "▽", &SitesPage::moveSiteDown},
                                               {"Button10", "ソート", &SitesPage::sortSites},
                                               {"Button12", "行を削除する", &SitesPage::deleteSite}}
              : std::vector<Command>{{"Button2", "観測者の追加", &SitesPage::addObserver},
                                               {"BitBtn5", "△", &SitesPage::moveObserverUp},
                                               {"BitBtn6", "▽", &SitesPage::moveObserverDown},
                                               {"Button11", "ソート", &SitesPage::sortObservers},
                                               {"Button13", "行を削除する", &SitesPage::deleteObserver}};
    for (const Command& c : commands) {
        QPushButton* b = commandButton(QString::fromLatin1(c.name), QString::fromUtf8(c.caption));
        connect(b, &QPushButton::clicked, this, [this, run = c.run] { session_.run([this, run] { (session_.sites.*run)(); }); });
        buttons->addWidget(b);
    }
    buttons->addStretch();
    auto* list = new QListWidget;
    list->setObjectName(sites ? QStringLiteral("ListBox2") : QStringLiteral("ListBox3"));
    // Not reached with Tab, but a click gives it the keyboard: whatever makes
    // a row current (a click, the arrows, Home/End) selects that line and
    // shows it in the fields.
    list->setFocusPolicy(Qt::ClickFocus);
    connect(list, &QListWidget::currentRowChanged, this, [this, sites, &page](int row) {
        const std::size_t selected = sites ? page.selectedSite() : page.selectedObserver();
        if (row >= 0 && static_cast<std::size_t>(row) != selected)
            session_.run([&] { sites ? page.selectSite(static_cast<std::size_t>(row)) : page.selectObserver(static_cast<std::size_t>(row)); });
    });
    (sites ? siteList_ : observerList_) = list;
    layout->addLayout(buttons);
    layout->addWidget(list, 1);
    return box;
}

void SitesPageView::followLists()
{
    const SitesPage& page = session_.sites;
    auto show = [](QListWidget* list, const auto& lines, std::size_t selected) {
        QSignalBlocker blocker(list);
        if (list->count() != static_cast<int>(lines.size())) {
            list->clear();
            for (std::size_t i = 0; i < lines.size(); ++i)
                list->addItem(QString());
        }
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const QString text = fromCp932(lines[i].text());
            if (list->item(static_cast<int>(i))->text() != text)
                list->item(static_cast<int>(i))->setText(text);
        }
        list->setCurrentRow(static_cast<int>(selected));
    };
    show(siteList_, page.sites(), page.selectedSite());
    show(observerList_, page.observers(), page.selectedObserver());
}

void SitesPageView::followLabels()
{
    longitudeLabel_->setText(fromCp932(session_.sites.longitudeCaption()));
    latitudeLabel_->setText(fromCp932(session_.sites.latitudeCaption()));
}

}  // namespace selen::shell

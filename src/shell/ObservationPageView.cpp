#include "ObservationPageView.h"

#include "Cp932Text.h"
#include "PageWidgets.h"
#include "ObservationListModel.h"
#include "ObservationListView.h"

#include "editor/EditorSession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace selen::shell {

namespace {

QGroupBox* group(const QString& caption)
{
    return new QGroupBox(caption);
}

// A group's grid of fields, rows close together.
QGridLayout* compactGrid(QGroupBox* box)
{
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(6);
    return grid;
}

}  // namespace

ObservationPageView::ObservationPageView(EditorSession& session, const Refusal& refuse,
                                         std::function<void()> openImport, QWidget* parent)
    : QWidget(parent), session_(session), refuse_(refuse), openImport_(std::move(openImport))
{
    // Laid out to fit a laptop screen: the groups of fields in two bands,
    // the list with its commands below them taking what height is left.
    auto* top = new QHBoxLayout;
    top->addWidget(eventGroup());
    top->addWidget(objectGroup());
    top->addWidget(methodGroup());
    top->addWidget(legend(), 0, Qt::AlignTop);
    top->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(conditionsGroup());
    auto* side = new QVBoxLayout;
    side->addWidget(siteGroup());
    side->addWidget(commentGroup());
    side->addStretch();
    middle->addLayout(side);
    middle->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addLayout(middle);
    layout->addWidget(listGroup(), 1);
    session_.observationPage.stateChanged.listen([this] { followState(); });
    session_.yearWanted.listen([this] { focusYear(); });
    followState();
}

KeyRule ObservationPageView::fieldRule(const std::string& formName)
{
    ObservationPage& page = session_.observationPage;
    return [&page, formName](NavigationKey key, bool empty) { return page.keyRule(formName, key, empty); };
}

void ObservationPageView::focusYear()
{
    if (auto* year = findChild<QWidget*>(QString::fromStdString(session_.observationPage.year.formName())))
        year->setFocus(Qt::OtherFocusReason);
}

void ObservationPageView::remember(QWidget* widget)
{
    widget->installEventFilter(this);
}

bool ObservationPageView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && watched != list_) {
        // Every observation field, as it loses the focus, becomes the field
        // the list gives the focus back to.
        session_.observationPage.setReturnField(watched->objectName().toStdString());
    } else if (watched == list_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            focusReturnField();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ObservationPageView::focusReturnField()
{
    if (auto* w = findChild<QWidget*>(QString::fromStdString(session_.observationPage.returnField())))
        w->setFocus();
}

QWidget* ObservationPageView::eventGroup()
{
    ObservationPage& page = session_.observationPage;
    auto* box = group(QStringLiteral("現象"));
    auto* grid = compactGrid(box);
    grid->addWidget(new QLabel(QStringLiteral("時　刻")), 0, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("年  月  日")), 1, 0, 1, 3);
    int column = 0;
    for (TextControl* c : {&page.year, &page.month, &page.day}) {
        QLineEdit* edit = fixedField(static_cast<int>(c->maxBytes()));
        bindText(edit, *c, refuse_, fieldRule(c->formName()));
        remember(edit);
        grid->addWidget(edit, 2, column++);
    }
    auto* today = commandButton(QStringLiteral("Button8"), QStringLiteral("今日の日付"));
    connect(today, &QPushButton::clicked, this, [this] { session_.run([this] { session_.enterToday(); }); });
    grid->addWidget(today, 2, column);
    grid->addWidget(new QLabel(QStringLiteral("時  分  秒")), 3, 0, 1, 3);
    column = 0;
    for (TextControl* c : {&page.hour, &page.minute, &page.second, &page.fraction}) {
        QLineEdit* edit = fixedField(static_cast<int>(c->maxBytes()));
        bindText(edit, *c, refuse_, fieldRule(c->formName()));
        remember(edit);
        grid->addWidget(edit, 4, column++);
    }
    auto* phenomenon = new QComboBox;
    bindChoice(phenomenon, page.phenomenon, fieldRule(page.phenomenon.formName()));
    auto* limb = new QComboBox;
    bindChoice(limb, page.limb, fieldRule(page.limb.formName()));
    auto* graze = new QCheckBox(QStringLiteral("接食観測"));
    bindCheck(graze, page.graze, [&page](NavigationKey key, bool) { return page.keyRule(page.graze.formName(), key, false); });
    remember(graze);
    for (QWidget* w : {static_cast<QWidget*>(phenomenon), static_cast<QWidget*>(limb)})
        remember(w);
    grid->addWidget(new QLabel(QStringLiteral("現　象")), 5, 0, 1, 2);
    grid->addWidget(phenomenon, 5, 2, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("月　縁")), 6, 0, 1, 2);
    grid->addWidget(limb, 6, 2, 1, 3);
    grid->addWidget(graze, 7, 0, 1, 4);
    grid->setRowStretch(8, 1);
    return box;
}

QWidget* ObservationPageView::objectGroup()
{
    ObservationPage& page = session_.observationPage;
    auto* box = group(QStringLiteral("天体"));
    auto* grid = compactGrid(box);
    auto* catalogue = new QComboBox;
    bindChoice(catalogue, page.catalogue, fieldRule(page.catalogue.formName()));
    remember(catalogue);
    grid->addWidget(catalogue, 0, 0, 1, 4);
    auto* starCaption = new QLabel;  // its text and colour follow the page
    starCaption->setObjectName(QStringLiteral("StarGroupCaption"));
    grid->addWidget(starCaption, 1, 0, 1, 4);
    auto* label39 = new QLabel(QStringLiteral("星表番号"));
    label39->setObjectName(QStringLiteral("Label39"));
    grid->addWidget(label39, 2, 0);
    catalogueLabel_ = new QLabel;
    catalogueLabel_->setObjectName(QStringLiteral("Label46"));
    grid->addWidget(catalogueLabel_, 2, 1);
    auto* star = fixedField(6);
    bindText(star, page.starNumber, refuse_, fieldRule(page.starNumber.formName()));
    remember(star);
    grid->addWidget(star, 2, 2, 1, 2);
    auto* label30 = new QLabel(QStringLiteral("GSC"));
    label30->setObjectName(QStringLiteral("Label30"));
    grid->addWidget(label30, 3, 0);
    auto* region = fixedField(4);
    bindText(region, page.gscRegion, refuse_, fieldRule(page.gscRegion.formName()));
    auto* number = fixedField(5);
    bindText(number, page.gscNumber, refuse_, fieldRule(page.gscNumber.formName()));
    grid->addWidget(region, 3, 1);
    grid->addWidget(number, 3, 2, 1, 2);
    auto* asteroidCaption = new QLabel;  // its text and colour follow the page
    asteroidCaption->setObjectName(QStringLiteral("AsteroidGroupCaption"));
    grid->addWidget(asteroidCaption, 4, 0, 1, 2);
    auto* asteroid = fixedField(5);
    bindText(asteroid, page.asteroidNumber, refuse_, fieldRule(page.asteroidNumber.formName()));
    grid->addWidget(asteroid, 4, 2, 1, 2);
    auto* planetCaption = new QLabel;  // its text and colour follow the page
    planetCaption->setObjectName(QStringLiteral("PlanetGroupCaption"));
    grid->addWidget(planetCaption, 5, 0, 1, 4);
    auto* planet = new QComboBox;
    bindChoice(planet, page.planet, fieldRule(page.planet.formName()));
    grid->addWidget(planet, 6, 0, 1, 4);
    auto* label43 = new QLabel(QStringLiteral("惑星・衛星番号"));
    label43->setObjectName(QStringLiteral("Label43"));
    grid->addWidget(label43, 7, 0, 1, 2);
    auto* planetNumber = fixedField(4);
    bindText(planetNumber, page.planetNumber, refuse_, [&page](NavigationKey key, bool empty) {
        if (key == NavigationKey::Up || key == NavigationKey::Down) {
            page.stepPlanetNumber(key == NavigationKey::Up ? +1 : -1);
            return KeyOutcome{false, 0, true};
        }
        return page.keyRule(page.planetNumber.formName(), key, empty);
    });
    grid->addWidget(planetNumber, 7, 2);
    stepper_ = new QSpinBox;
    stepper_->setToolTip(QStringLiteral("惑星・衛星番号を1ずつ増減します（衛星番号へ進めます）"));
    stepper_->setObjectName(QStringLiteral("UpDown1"));
    stepper_->setRange(0, ObservationPage::Stepper::kUpper);
    stepper_->setFocusPolicy(Qt::NoFocus);
    connect(stepper_, qOverload<int>(&QSpinBox::valueChanged), this, [this, &page](int value) {
        if (value != page.stepper.position)
            page.stepPlanetNumber(value - page.stepper.position);
        followState();
    });
    grid->addWidget(stepper_, 7, 3);
    for (QWidget* w : {static_cast<QWidget*>(region), static_cast<QWidget*>(number),
                       static_cast<QWidget*>(asteroid), static_cast<QWidget*>(planet),
                       static_cast<QWidget*>(planetNumber)})
        remember(w);
    grid->setRowStretch(8, 1);
    return box;
}

QWidget* ObservationPageView::methodGroup()
{
    ObservationPage& page = session_.observationPage;
    auto* box = group(QStringLiteral("観測方法"));
    auto* grid = compactGrid(box);
    int row = 0;
    for (ChoiceControl* c : {&page.timingMethod1, &page.timingMethod2, &page.timeSource}) {
        auto* combo = new QComboBox;
        bindChoice(combo, *c, fieldRule(c->formName()));
        remember(combo);
        grid->addWidget(combo, row++, 0, 1, 4);
    }
    // A split number: the whole digit, a bold point, the fraction.
    auto split = [&](TextControl& whole, TextControl& part) {
        auto* holder = new QWidget;
        auto* line = new QHBoxLayout(holder);
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(2);
        QLineEdit* w = fixedField(1);
        bindText(w, whole, refuse_, fieldRule(whole.formName()));
        QLineEdit* f = fixedField(static_cast<int>(part.maxBytes()));
        bindText(f, part, refuse_, fieldRule(part.formName()));
        remember(w);
        remember(f);
        auto* point = new QLabel(QStringLiteral("."));
        QFont bold = point->font();
        bold.setBold(true);
        point->setFont(bold);
        line->addWidget(w);
        line->addWidget(point);
        line->addWidget(f);
        line->addStretch();
        return holder;
    };
    grid->addWidget(new QLabel(QStringLiteral("時刻精度")), row, 0);
    grid->addWidget(split(page.accuracyWhole, page.accuracyFraction), row, 1);
    auto* unit = new QComboBox;
    bindChoice(unit, page.videoUnit);
    unit->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(new QLabel(QStringLiteral("ビデオ解析単位")), row, 2);
    grid->addWidget(unit, row++, 3);
    grid->addWidget(new QLabel(QStringLiteral("個人差")), row, 0);
    grid->addWidget(split(page.personalEquationWhole, page.personalEquationFraction), row++, 1);
    auto* application = new QComboBox;
    bindChoice(application, page.application, [&page](NavigationKey key, bool empty) {
        // Right stays in the application list.
        if (key == NavigationKey::Right)
            return KeyOutcome{true, 0, true};
        return page.keyRule(page.application.formName(), key, empty);
    });
    remember(application);
    grid->addWidget(application, row++, 0, 1, 4);
    auto* photometry = new QCheckBox(QStringLiteral("Norvale or 光電測光"));
    bindCheck(photometry, page.photometry);
    photometry->setFocusPolicy(Qt::NoFocus);
    photometry->setAutoFillBackground(true);  // its pale green, as the model gives it
    QPalette green = photometry->palette();
    green.setColor(QPalette::Window, toQColor(page.photometry.colour()));
    photometry->setPalette(green);
    grid->addWidget(new QLabel(QStringLiteral("測光")), row, 0);
    grid->addWidget(photometry, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("S/N比")), row, 2);
    grid->addWidget(split(page.signalToNoiseUnits, page.signalToNoiseTenths), row++, 3);
    grid->addWidget(new QLabel(QStringLiteral("時刻測定に用いた光量のレベル")), row, 0, 1, 2);
    auto* light = new QComboBox;
    bindChoice(light, page.lightLevel, fieldRule(page.lightLevel.formName()));
    remember(light);
    grid->addWidget(light, row++, 2, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("観測方法の登録")), row, 0);
    grid->addWidget(slotSelectors(session_.registered.methodRegister, session_.registered.methodRecall), row++, 1, 1, 3);
    grid->setRowStretch(row, 1);
    return box;
}

QWidget* ObservationPageView::conditionsGroup()
{
    ObservationPage& page = session_.observationPage;
    auto* box = group(QStringLiteral("観測の状況"));
    auto* grid = compactGrid(box);
    // Two fields a row: caption and list, caption and list.
    int row = 0;
    int column = 0;
    auto addChoice = [&](const QString& caption, ChoiceControl& c) {
        grid->addWidget(new QLabel(caption), row, column);
        auto* combo = new QComboBox;
        bindChoice(combo, c, fieldRule(c.formName()));
        remember(combo);
        grid->addWidget(combo, row, column + 1);
        column = column == 0 ? 2 : 0;
        row += column == 0 ? 1 : 0;
        return combo;
    };
    addChoice(QStringLiteral("確実性"), page.certainty);
    addChoice(QStringLiteral("大気の安定性"), page.stability);
    addChoice(QStringLiteral("透明度"), page.transparency);
    QComboBox* remarks = addChoice(QStringLiteral("特記事項"), page.remarks);
    remarks->setToolTip(QStringLiteral("選択肢の中から最も顕著なものを記載する。省略可能。"));
    auto* duration = new QHBoxLayout;
    duration->setSpacing(2);
    duration->addWidget(new QLabel(QStringLiteral("瞬間的でない現象: 増減光に要した時間")));
    QLineEdit* whole = fixedField(1);
    bindText(whole, page.durationWhole, refuse_, fieldRule(page.durationWhole.formName()));
    QLineEdit* part = fixedField(3);
    bindText(part, page.durationFraction, refuse_, fieldRule(page.durationFraction.formName()));
    duration->addWidget(whole);
    duration->addWidget(new QLabel(QStringLiteral(".")));
    duration->addWidget(part);
    duration->addWidget(new QLabel(QStringLiteral("秒")));
    duration->addStretch();
    grid->addLayout(duration, row++, 0, 1, 4);
    addChoice(QStringLiteral("重星の特徴を示す現象"), page.doubleStar);
    grid->addWidget(new QLabel(QStringLiteral("WDSのｺﾝﾎﾟｰﾈﾝﾄ")), row, 2);
    QLineEdit* wds = fixedField(1);
    bindText(wds, page.wdsComponent, refuse_, fieldRule(page.wdsComponent.formName()));
    grid->addWidget(wds, row++, 3, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("気温")), row, 0);
    auto* temperatureLine = new QHBoxLayout;
    QLineEdit* temperature = fixedField(3);
    bindText(temperature, page.temperature, refuse_, fieldRule(page.temperature.formName()));
    temperatureLine->addWidget(temperature);
    temperatureLine->addWidget(new QLabel(QStringLiteral("℃")));
    temperatureLine->addStretch();
    grid->addLayout(temperatureLine, row++, 1);
    for (QWidget* w : {static_cast<QWidget*>(whole), static_cast<QWidget*>(part), static_cast<QWidget*>(wds),
                       static_cast<QWidget*>(temperature)})
        remember(w);
    grid->setRowStretch(row, 1);
    return box;
}

QWidget* ObservationPageView::siteGroup()
{
    auto* box = group(QStringLiteral("観測地・望遠鏡・観測者"));
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(2);
    for (ChoiceControl* c : {&session_.observations.siteSelector, &session_.observations.observerSelector}) {
        auto* combo = new QComboBox;
        bindChoice(combo, *c, fieldRule(c->formName()));
        remember(combo);
        combo->setMinimumWidth(420);
        layout->addWidget(combo);
    }
    return box;
}

QWidget* ObservationPageView::commentGroup()
{
    ObservationPage& page = session_.observationPage;
    auto* box = group(QStringLiteral("コメント行"));
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 2, 6, 4);
    auto* edit = new QLineEdit;
    edit->setMinimumWidth(55 * 8 + 14);
    bindText(edit, page.comment, refuse_, fieldRule(page.comment.formName()));
    remember(edit);
    layout->addWidget(edit);
    return box;
}

QWidget* ObservationPageView::legend()
{
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    struct Swatch {
        std::uint32_t colour;
        const char* caption;
    };
    for (Swatch s : {Swatch{RequiredColour, "未入力(必須入力項目)"}, Swatch{ConditionalColour, "未入力(場合により入力)"},
                     Swatch{FilledColour, "入力済み"}}) {
        auto* row = new QHBoxLayout;
        auto* sample = new QLabel;
        sample->setFixedSize(32, 16);
        const Rgb rgb = fromBlueGreenRed(s.colour);
        sample->setStyleSheet(QStringLiteral("background: rgb(%1,%2,%3); border: 1px solid gray;")
                                  .arg(rgb.red)
                                  .arg(rgb.green)
                                  .arg(rgb.blue));
        row->addWidget(sample);
        row->addWidget(new QLabel(QString::fromUtf8(s.caption)));
        row->addStretch();
        layout->addLayout(row);
    }
    return box;
}

QWidget* ObservationPageView::listGroup()
{
    ObservationList& records = session_.observations;
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    struct Command {
        const char* name;
        const char* caption;
        std::function<void()> run;
    };
    bySite_ = new QCheckBox(QStringLiteral("地点別"));
    bySite_->setObjectName(QStringLiteral("BySiteCheckBox"));
    bySite_->setFocusPolicy(Qt::NoFocus);
    // After adding a record the observer's next key is its year.
    auto thenYear = [this](std::function<void()> command) {
        return [this, command = std::move(command)] {
            command();
            focusYear();
        };
    };
    for (const Command& c : {Command{"AddButton", "観測を追加する", thenYear([&records] { records.add(); })},
                             Command{"CopyButton", "現観測をコピーし追加", thenYear([&records] { records.copyLastForNextEvent(); })},
                             Command{"DeleteButton", "行を削除する", [&records] { records.removeSelected(); }},
                             Command{"UpButton", "△", [&records] { records.moveUp(); }},
                             Command{"DownButton", "▽", [&records] { records.moveDown(); }},
                             Command{"SortButton", "ソート", [this, &records] { records.sort(bySite_->isChecked()); }}}) {
        QPushButton* b = commandButton(QString::fromLatin1(c.name), QString::fromUtf8(c.caption));
        connect(b, &QPushButton::clicked, this, [this, run = c.run] { session_.run(run); });
        buttons->addWidget(b);
    }
    buttons->addWidget(bySite_);
    buttons->addStretch();
    auto* import = commandButton(QStringLiteral("ImportButton"), QStringLiteral("OCCULT予報ファイル\nからの入力"));
    import->setProperty("helpTopic", 71);
    connect(import, &QPushButton::clicked, this, [this] { openImport_(); });
    auto* norvale = commandButton(QStringLiteral("Button21"), QStringLiteral("Norvaleから入力"));
    connect(norvale, &QPushButton::clicked, this, [this] { session_.run([this] { session_.takeNorvaleFromClipboard(); }); });
    buttons->addWidget(norvale);
    buttons->addWidget(import);

    list_ = new ObservationListView;
    list_->setObjectName(QStringLiteral("ListBox4"));
    list_->setModel(new ObservationListModel(records, list_));
    list_->setUniformItemSizes(true);
    list_->installEventFilter(this);
    auto follow = [this, &records] {
        const QModelIndex index = list_->model()->index(static_cast<int>(records.selected()), 0);
        if (list_->currentIndex() != index)
            list_->setCurrentIndex(index);
    };
    records.listReset().listen(follow);
    records.selectionChanged().listen(follow);
    // Whatever makes a row current (a click, the arrows, Home/End, PgUp/PgDn)
    // selects that record and shows it in the fields.
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, &records](const QModelIndex& current) {
                if (current.isValid() && static_cast<std::size_t>(current.row()) != records.selected())
                    session_.run([&] { records.select(static_cast<std::size_t>(current.row())); });
            });
    connect(list_, &QListView::doubleClicked, this, [this](const QModelIndex&) { focusReturnField(); });
    follow();
    layout->addLayout(buttons);
    layout->addWidget(list_, 1);
    return box;
}

void ObservationPageView::followState()
{
    const ObservationPage& page = session_.observationPage;
    if (catalogueLabel_)
        catalogueLabel_->setText(fromCp932(page.catalogueLabel));
    // The object sub-groups' captions: black in use, grey not.
    for (const auto& [name, caption] : {std::pair{"StarGroupCaption", &page.starCaption},
                                        std::pair{"AsteroidGroupCaption", &page.asteroidCaption},
                                        std::pair{"PlanetGroupCaption", &page.planetCaption}}) {
        if (auto* label = findChild<QLabel*>(QString::fromLatin1(name))) {
            label->setText(fromCp932(caption->text));
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, toQColor(caption->colour));
            label->setPalette(palette);
        }
    }
    if (stepper_) {
        QSignalBlocker blocker(stepper_);
        stepper_->setMinimum(session_.observationPage.stepper.lower);
        stepper_->setValue(session_.observationPage.stepper.position);
        stepper_->setEnabled(session_.observationPage.planetNumber.enabled());
    }
}

}  // namespace selen::shell

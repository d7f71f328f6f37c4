#include "settings_ui/form3.h"

#include "alarms/form8.h"
#include "clock/form1.h"
#include "platform/platform.h"
#include "settings_ui/colon_blink_button.h"
#include "settings_ui/marker_frame.h"
#include "widgets/label_style.h"
#include "widgets/line_pair.h"

#include <QCloseEvent>
#include <QLabel>

namespace {

constexpr ColourRef white = 0x00FFFFFF;
constexpr ColourRef lightGrey = 0x00E0E0E0;
constexpr ColourRef panelColour = 0x00424242;

QWidget* addPanel(QWidget* parent)
{
    auto* panel = new QWidget(parent);
    panel->setGeometry(8, 176, 353, 73);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, toQColor(panelColour));
    panel->setPalette(palette);
    return panel;
}

} // namespace

Form3* Form3::open(Form1& form1)
{
    if (Form3* open = form1.windows.form3) {
        open->raise();
        open->activateWindow();
        return open;
    }
    auto* window = new Form3(form1);
    form1.windows.form3 = window;
    window->showCentred();
    return window;
}

Form3::Form3(Form1& form1)
    : PictureDialog(QStringLiteral("Form3"), QStringLiteral("設定")), form1_(form1),
      colonSetA_(ButtonFace::load(QStringLiteral("ColonA"))),
      colonSetB_(ButtonFace::load(QStringLiteral("ColonB")))
{
    setMouseTracking(true);
    addLabel(this, QStringLiteral("各種設定"), {8, 36, 134, 13}, white, 9.75);
    Label6 = addLabel(this, QString(), {8, 123, 417, 33}, lightGrey);
    Label1 = addLabel(this, QString(), {16, 250, 337, 17}, lightGrey);
    Label5 = addLabel(this, QString(), {8, 160, 126, 12}, white);

    buildTopRow();
    TypeSetA = addPanel(this);
    buildAnalogPanel();
    TypeSetD = addPanel(this);
    TypeSetD->setMouseTracking(true);
    TypeSetD->installEventFilter(this);
    buildDigitalPanel();

    for (const int x : {63, 120, 228, 340}) {
        addEngravedLine(this, QPoint(x, 56), QPoint(x, 112));
    }
    addEngravedLine(this, QPoint(75, 41), QPoint(440, 41));
    addEngravedLine(this, QPoint(144, 164), QPoint(360, 164));

    Btn_Close3 =
        addButton(this, {384, 232}, QStringLiteral("Close"), QStringLiteral("閉じる"), nullptr, QString());
    connect(Btn_Close3, &ImageButton::released, this, [this] {
        BtnDown = 0;
        close();
    });

    TypeSETING();
    showFrames();

    Timer1.setInterval(250);
    connect(&Timer1, &QTimer::timeout, this, &Form3::colonTick);
    Timer1.start();
}

void Form3::buildTopRow()
{
    BtnSet2_a = addButton(this, {16, 58}, QStringLiteral("Alm"), QStringLiteral("アラーム設定"), Label6,
                          QStringLiteral("アラームの設定を行います。"));
    connect(BtnSet2_a, &ImageButton::released, this, [this] {
        resetButton(BtnSet2_a, Label6);
        setEnabled(false);
        Form8::open(form1_, *this);
    });

    NekoPic = addButton(this, {72, 58}, QStringLiteral("Pic"), QStringLiteral("ねこ画像変更"), Label6,
                        QStringLiteral("ねこ画像を変更します。"));
    connect(NekoPic, &ImageButton::released, this, [this] { resetButton(NekoPic, Label6); });

    Set1a = new MarkerFrame(this, {130, 56});
    Set1b = new MarkerFrame(this, {178, 56});
    BtnSet1_a =
        addButton(Set1a, MarkerFrame::buttonOffset, QStringLiteral("Mae"), QStringLiteral("前面に表示"),
                  Label6, QStringLiteral("ぽてりんを前面に表示します。"));
    BtnSet1_b =
        addButton(Set1b, MarkerFrame::buttonOffset, QStringLiteral("Usi"), QStringLiteral("前面に表示しない"),
                  Label6, QStringLiteral("ぽてりんを前面に表示しないようにします。"));
    connect(BtnSet1_a, &ImageButton::released, this, [this] { alwaysInFront(1); });
    connect(BtnSet1_b, &ImageButton::released, this, [this] { alwaysInFront(0); });

    TskY = new MarkerFrame(this, {239, 56});
    TskN = new MarkerFrame(this, {288, 56});
    TskN->setToolTip(QStringLiteral("タスクトレイアイコン削除"));
    Btn_TaskOn = addButton(TskY, MarkerFrame::buttonOffset, QStringLiteral("TryOn"),
                           QStringLiteral("タスクトレイ常駐"), Label6,
                           QStringLiteral("タスクトレイにぽてりんのアイコンを表示させます。\r\n"
                                          "アイコンをクリックするとメニューが表示されます。"));
    Btn_TaskOff = addButton(TskN, MarkerFrame::buttonOffset, QStringLiteral("TryOff"), QString(), Label6,
                            QStringLiteral("タスクトレイのアイコンを削除します。"));
    connect(Btn_TaskOn, &ImageButton::released, this, [this] { trayIcon(1); });
    connect(Btn_TaskOff, &ImageButton::released, this, [this] { trayIcon(0); });

    Btn_StartUp_On =
        addButton(this, {348, 58}, QStringLiteral("StrtUp"), QStringLiteral("スタートアップ登録"), Label6,
                  QStringLiteral("スタートアップにぽてりんを登録します。\r\n"
                                 "Windows起動時に自動的にぽてりんが起動します。"));
    Btn_StartUp_Off =
        addButton(this, {396, 58}, QStringLiteral("StrtUpDel"), QStringLiteral("スタートアップ削除"), Label6,
                  QStringLiteral("スタートアップの登録を削除します。"));
    connect(Btn_StartUp_On, &ImageButton::released, this, &Form3::registerStartup);
    connect(Btn_StartUp_Off, &ImageButton::released, this, &Form3::unregisterStartup);

    addLabel(this, QStringLiteral("アラーム"), {11, 102, 48, 12}, white);
    addLabel(this, QStringLiteral("画像変更"), {69, 102, 48, 12}, white);
    addLabel(this, QStringLiteral("前面表示／非表示"), {128, 102, 96, 12}, white);
    addLabel(this, QStringLiteral("トレイ常駐/非常駐"), {233, 102, 102, 12}, white);
    addLabel(this, QStringLiteral("スタートアップ"), {350, 102, 84, 12}, white);
}

void Form3::buildAnalogPanel()
{
    SsY = new MarkerFrame(TypeSetA, {8, 8});
    SsN = new MarkerFrame(TypeSetA, {64, 8});
    Btn_SsOn = addButton(SsY, MarkerFrame::buttonOffset, QStringLiteral("SSon"), QStringLiteral("秒針表示"),
                         Label1, QStringLiteral("秒針を表示するようにします。"));
    Btn_SsOff =
        addButton(SsN, MarkerFrame::buttonOffset, QStringLiteral("SSoff"), QStringLiteral("秒針非表示"),
                  Label1, QStringLiteral("秒針を表示しないようにします。"));
    connect(Btn_SsOn, &ImageButton::released, this, [this] { secondHand(1); });
    connect(Btn_SsOff, &ImageButton::released, this, [this] { secondHand(0); });

    Btn_Hari = addButton(TypeSetA, {136, 10}, QStringLiteral("HariCol"), QStringLiteral("針の色変更"), Label1,
                         QStringLiteral("長針、短針、秒針の色を変更します。"));
    connect(Btn_Hari, &ImageButton::released, this, [this] { resetButton(Btn_Hari, Label1); });

    addEngravedLine(TypeSetA, QPoint(119, 8), QPoint(119, 64));
    addLabel(TypeSetA, QStringLiteral("秒針表示／非表示"), {11, 54, 96, 12}, white);
    addLabel(TypeSetA, QStringLiteral("針の色変更"), {127, 54, 60, 12}, white);
}

void Form3::buildDigitalPanel()
{
    ColonOn = new MarkerFrame(TypeSetD, {8, 6});
    ColonOff = new MarkerFrame(TypeSetD, {64, 6});
    Btn_ColonOn = new ColonBlinkButton(colonSetA_, BtnDown, ColonHover, ColonOn);
    Btn_ColonOn->move(MarkerFrame::buttonOffset);
    Btn_ColonOn->setToolTip(QStringLiteral("：点滅あり"));
    showHelp(Btn_ColonOn, Label1, QStringLiteral("：を点滅するようにします。"));
    connect(Btn_ColonOn, &ImageButton::released, this, [this] {
        Btn_ColonOn->setLook(ImageButton::Look::Hover);
        colon(0);
    });

    Btn_ColonOff =
        addButton(ColonOff, MarkerFrame::buttonOffset, QStringLiteral("ColonA"), QStringLiteral("：点滅なし"),
                  Label1, QStringLiteral("：を点滅させないようにします。"));
    connect(Btn_ColonOff, &ImageButton::hovered, this, [this] { ColonHover = 0; });
    connect(Btn_ColonOff, &ImageButton::released, this, [this] { colon(1); });

    Btn_DigiColor = addButton(TypeSetD, {136, 8}, QStringLiteral("Col"), QStringLiteral("時刻・日付の色変更"),
                              Label1, QStringLiteral("デジタルの時刻と日付の色を変更します。"));
    connect(Btn_DigiColor, &ImageButton::released, this, [this] { resetButton(Btn_DigiColor, Label1); });

    addEngravedLine(TypeSetD, QPoint(120, 8), QPoint(120, 64));
    addLabel(TypeSetD, QStringLiteral("：点滅あり／なし"), {9, 52, 96, 12}, white);
    addLabel(TypeSetD, QStringLiteral("色変更"), {138, 52, 36, 12}, white);
}

ImageButton* Form3::addButton(QWidget* parent, QPoint at, const QString& face, const QString& tooltip,
                              QLabel* help, const QString& helpText)
{
    auto* button = new ImageButton(ButtonFace::load(face), BtnDown, parent);
    button->move(at);
    button->setToolTip(tooltip);
    if (help) {
        showHelp(button, help, helpText);
    }
    return button;
}

void Form3::showHelp(ImageButton* button, QLabel* help, const QString& helpText)
{
    QString shown = helpText;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    connect(button, &ImageButton::hovered, help,
            [help, shown](bool inside) { help->setText(inside ? shown : QString()); });
}

void Form3::select(MarkerFrame* on, MarkerFrame* off)
{
    on->setSelected(true);
    off->setSelected(false);
}

void Form3::showFrames()
{
    const auto show = [this](int value, MarkerFrame* one, MarkerFrame* zero) {
        if (value == 1) {
            select(one, zero);
        } else if (value == 0) {
            select(zero, one);
        }
    };
    show(form1_.FomMae, Set1a, Set1b);
    show(form1_.SsHari, SsY, SsN);
    show(form1_.Task, TskY, TskN);
    show(form1_.CoronON, ColonOff, ColonOn);
}

void Form3::TypeSETING()
{
    const int type = form1_.DodaiPic;
    if (!cat_designs::isDesign(type)) {
        return;
    }
    const bool analog = cat_designs::isAnalog(type);
    TypeTitle = QString::fromLatin1(cat_designs::designs[std::size_t(type)].caption) +
                QStringLiteral(" カスタマイズ");
    TypeSetA->setVisible(analog);
    TypeSetD->setVisible(!analog);
    Label5->setText(TypeTitle);
}

void Form3::colonTick()
{
    ColonPhase = ColonPhase + 1 >= 4 ? 0 : ColonPhase + 1;
    Btn_ColonOn->setFace(ColonPhase <= 1 ? colonSetA_ : colonSetB_);
    if (ColonHover == 0) {
        Btn_ColonOn->setLook(ImageButton::Look::Normal);
    } else if (ColonHover == 1 && BtnDown == 0) {
        Btn_ColonOn->setLook(ImageButton::Look::Hover);
    } else if (ColonHover == 1 && BtnDown == 1) {
        Btn_ColonOn->setLook(ImageButton::Look::Pressed);
    }
}

void Form3::resetButton(ImageButton* button, QLabel* help)
{
    button->setLook(ImageButton::Look::Normal);
    button->setCursor(Qt::ArrowCursor);
    help->clear();
    BtnDown = 0;
}

void Form3::SetSave()
{
    form1_.settingsStore().SetSave(
        {form1_.FomMae, form1_.SsHari, form1_.Task, form1_.PicH, form1_.PicM, form1_.PicS});
}

void Form3::Set3Save()
{
    form1_.settingsStore().Set3Save({form1_.DodaiPic, form1_.TimPcBGbase, form1_.CoronON});
}

void Form3::alwaysInFront(int value)
{
    form1_.applyStackingOrder(value);
    form1_.FomMae = value;
    select(value == 1 ? Set1a : Set1b, value == 1 ? Set1b : Set1a);
    Label6->clear();
    SetSave();
    BtnDown = 0;
}

void Form3::trayIcon(int value)
{
    ImageButton* button = value == 1 ? Btn_TaskOn : Btn_TaskOff;
    BtnDown = 0;
    select(value == 1 ? TskY : TskN, value == 1 ? TskN : TskY);
    form1_.Task = value;
    button->setLook(ImageButton::Look::Normal);
    Label6->clear();
    if (value == 1) {
        form1_.TaskTry();
    } else {
        form1_.removeTrayIcon();
    }
    SetSave();
}

void Form3::secondHand(int value)
{
    BtnDown = 0;
    select(value == 1 ? SsY : SsN, value == 1 ? SsN : SsY);
    form1_.SsHari = value;
    SetSave();
}

void Form3::colon(int value)
{
    select(value == 1 ? ColonOff : ColonOn, value == 1 ? ColonOn : ColonOff);
    form1_.CoronON = value;
    BtnDown = 0;
    Set3Save();
}

void Form3::registerStartup()
{
    const bool created = form1_.platform().registerStartup();
    form1_.platform().showMessage(created ? QStringLiteral("登録が完了しました。")
                                          : QStringLiteral("ショートカットが作成できませんでした。"));
    resetButton(Btn_StartUp_On, Label6);
}

void Form3::unregisterStartup()
{
    const bool removed = form1_.platform().unregisterStartup();
    form1_.platform().showMessage(removed ? QStringLiteral("削除が完了しました。")
                                          : QStringLiteral("ショートカットが削除できませんでした。\r\n"
                                                           "もしくはすでにファイルは削除されています。"));
    resetButton(Btn_StartUp_Off, Label6);
}

void Form3::mouseMoveEvent(QMouseEvent* event)
{
    BtnDown = 0;
    ColonHover = 0;
    PictureDialog::mouseMoveEvent(event);
}

bool Form3::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TypeSetD && event->type() == QEvent::MouseMove) {
        BtnDown = 0;
        ColonHover = 0;
    }
    return PictureDialog::eventFilter(watched, event);
}

void Form3::closeEvent(QCloseEvent* event)
{
    PictureDialog::closeEvent(event);
    if (event->isAccepted()) {
        Timer1.stop();
        form1_.Fm3Show = 0;
        form1_.setEnabled(true);
    }
}

// The options dialog's window.
#include "ui/option_dialog.h"

#include "ui/key_filter.h"
#include "ui/message_box.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace schemist::ui {
namespace {

// Option buttons of one frame form a group of their own; a group that may
// have no selection (after a switch to class modules) is not exclusive in
// Qt's sense, so each pair is kept exclusive by the logic instead.
QRadioButton* optionButton(const QString& text, const QString& name, QWidget* parent)
{
    auto* b = new QRadioButton(text, parent);
    b->setObjectName(name);
    b->setAutoExclusive(false);
    return b;
}

void showButton(QAbstractButton* b, const OptionButton& state)
{
    b->setChecked(state.selected);
    b->setEnabled(state.enabled);
}

QLabel* label(const QString& text, const QString& name, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

}  // namespace

OptionDialog::OptionDialog(RunSettings& settings, DocumentChoice& documents, QWidget* parent)
    : QDialog(parent), settings_(settings), documents_(documents)
{
    setObjectName("frmOption");
    setWindowTitle(kOptionCaption);
    setModal(true);
    buildControls();
    logic_.load(settings_, documents_);
    showControls(logic_.controls());
}

void OptionDialog::buildControls()
{
    auto* layout = new QVBoxLayout(this);

    auto* frame6 = new QGroupBox("Excel出力に関する設定", this);
    frame6->setObjectName("Frame6");
    auto* grid = new QGridLayout(frame6);
    const char* names[6] = {"cmbHedL", "cmbHedM", "cmbHedR", "cmbBotL", "cmbBotM", "cmbBotR"};
    const char* columns[3] = {"左", "中央", "右"};
    grid->addWidget(label("ヘッダー部の設定", "Label3", frame6), 0, 0, 1, 3);
    grid->addWidget(label("フッター部の設定", "Label4", frame6), 0, 3, 1, 3);
    for (int i = 0; i < 6; ++i) {
        grid->addWidget(label(columns[i % 3], "Label5", frame6), 1, i);
        auto* combo = new QComboBox(frame6);
        combo->setObjectName(names[i]);
        for (const char* text : kHeaderFooterChoiceTexts)
            combo->addItem(QString::fromUtf8(text));
        combo->setMinimumWidth(104);
        grid->addWidget(combo, 2, i);
        choices_[i] = combo;
    }
    grid->setColumnMinimumWidth(2, 112);
    layout->addWidget(frame6);

    auto* frame2 = new QGroupBox("VB出力に関する設定", this);
    frame2->setObjectName("Frame2");
    auto* vb = new QVBoxLayout(frame2);

    auto* frame1 = new QGroupBox("出力モジュールに関する設定", frame2);
    frame1->setObjectName("Frame1");
    auto* f1 = new QVBoxLayout(frame1);
    optStandardOut_ = optionButton("標準モジュールとして作成", "optStandardOut", frame1);
    f1->addWidget(optStandardOut_);
    frame5_ = new QGroupBox("標準モジュール形式の設定", frame1);
    frame5_->setObjectName("Frame5");
    auto* f5 = new QVBoxLayout(frame5_);
    optStandard_ = optionButton("内部変数はユーザー定義形で出力", "optStandard", frame5_);
    optForm_ = optionButton("内部変数未指定で出力", "optForm", frame5_);
    f5->addWidget(optStandard_);
    f5->addWidget(optForm_);
    auto* indented = new QHBoxLayout;
    indented->addSpacing(20);
    indented->addWidget(frame5_);
    f1->addLayout(indented);
    optClassOut_ = optionButton("クラスモジュールとして作成", "optClassOut", frame1);
    f1->addWidget(optClassOut_);
    chkCollection_ = new QCheckBox("複数レコード読み書きサポートで出力", frame1);
    chkCollection_->setObjectName("chkCollection");
    auto* indented2 = new QHBoxLayout;
    indented2->addSpacing(20);
    indented2->addWidget(chkCollection_);
    f1->addLayout(indented2);

    auto* frame3 = new QGroupBox("モジュールに関する設定", frame2);
    frame3->setObjectName("Frame3");
    auto* f3 = new QVBoxLayout(frame3);
    optStyle1_ = optionButton("If...Then...Else を用いて作成", "optStyle1", frame3);
    optStyle2_ = optionButton("関数を用いて作成", "optStyle2", frame3);
    f3->addWidget(optStyle1_);
    f3->addWidget(optStyle2_);
    f3->addStretch(1);

    auto* frame4 = new QGroupBox("フィールド名の扱いに関する設定", frame2);
    frame4->setObjectName("Frame4");
    auto* f4 = new QVBoxLayout(frame4);
    optField1_ = optionButton("TableName.Field(\"FieldName\").Valueの形式で出力", "optField1", frame4);
    optField2_ = optionButton("TableName![FieldName]の形式で出力", "optField2", frame4);
    f4->addWidget(optField1_);
    f4->addWidget(optField2_);

    auto* top = new QHBoxLayout;
    top->addWidget(frame1, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(frame3);
    right->addWidget(frame4);
    top->addLayout(right, 1);
    vb->addLayout(top);

    chkWith_ = new QCheckBox("With...End Withによる省略を行う", frame2);
    chkWith_->setObjectName("chkWith");
    vb->addWidget(chkWith_);

    auto* numbers = new QHBoxLayout;
    txtCommentPos_ = new QLineEdit(frame2);
    txtCommentPos_->setObjectName("txtCommentPos");
    txtCommentPos_->setMaxLength(kCommentPosMaxChars);
    txtTabSize_ = new QLineEdit(frame2);
    txtTabSize_->setObjectName("txtTabSize");
    auto* selectAll = new SelectAllOnFocus(this);
    for (QLineEdit* box : {txtCommentPos_, txtTabSize_}) {
        box->setFixedWidth(64);
        box->setAlignment(Qt::AlignRight);
        box->installEventFilter(new KeyFilter(&OptionDialogLogic::numberKeyAccepted, box));
        box->installEventFilter(selectAll);
    }
    numbers->addWidget(label("コメントの位置", "Label1", frame2));
    numbers->addWidget(txtCommentPos_);
    numbers->addWidget(label("カラム目", "Label2", frame2));
    numbers->addSpacing(32);
    numbers->addWidget(label("Tab文字数", "Label1", frame2));
    numbers->addWidget(txtTabSize_);
    numbers->addWidget(label("文字", "Label1", frame2));
    numbers->addStretch(1);
    vb->addLayout(numbers);
    layout->addWidget(frame2);

    // Documents for review beside the workbook above; none unless ticked,
    // so that a run makes only the usual outputs by default.
    auto* frame7 = new QGroupBox("定義書の作成 (レビュー用、出力先フォルダに作成)", this);
    frame7->setObjectName("Frame7");
    auto* f7 = new QVBoxLayout(frame7);
    chkDocXlsx_ = new QCheckBox("テーブル定義書 (Excel、出力ファイル名.xlsx)", frame7);
    chkDocXlsx_->setObjectName("chkDocXlsx");
    chkDocMarkdown_ = new QCheckBox("テーブル定義書 (Markdown と ER 図、フォルダ 出力ファイル名-doc)", frame7);
    chkDocMarkdown_->setObjectName("chkDocMarkdown");
    f7->addWidget(chkDocXlsx_);
    f7->addWidget(chkDocMarkdown_);
    // The revision history (改訂履歴) against a snapshot written by
    // schemist-cli --definitions-json; empty for none.
    auto* history = new QHBoxLayout;
    txtHistoryFrom_ = new QLineEdit(frame7);
    txtHistoryFrom_->setObjectName("txtHistoryFrom");
    txtHistoryFrom_->setPlaceholderText("比較元のスナップショット (.json) のパス。空欄なら改訂履歴なし");
    txtHistoryLabel_ = new QLineEdit(frame7);
    txtHistoryLabel_->setObjectName("txtHistoryLabel");
    txtHistoryLabel_->setFixedWidth(80);
    history->addWidget(label("改訂履歴の比較元", "Label6", frame7));
    history->addWidget(txtHistoryFrom_, 1);
    history->addWidget(label("版", "Label7", frame7));
    history->addWidget(txtHistoryLabel_);
    f7->addLayout(history);
    layout->addWidget(frame7);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton("設定", this);
    ok->setObjectName("cmdOk");
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("cmdCancel");
    for (QPushButton* b : {ok, cancel}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(96);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    connect(optStandardOut_, &QRadioButton::clicked, this, &OptionDialog::onStandardOutClicked);
    connect(optClassOut_, &QRadioButton::clicked, this, &OptionDialog::onClassOutClicked);
    // The pairs without a handler of their own only keep their exclusiveness.
    auto pair = [this](QRadioButton* a, QRadioButton* b) {
        connect(a, &QRadioButton::clicked, this, [a, b] { a->setChecked(true); b->setChecked(false); });
        connect(b, &QRadioButton::clicked, this, [a, b] { b->setChecked(true); a->setChecked(false); });
    };
    pair(optStandard_, optForm_);
    pair(optStyle1_, optStyle2_);
    pair(optField1_, optField2_);
    connect(ok, &QPushButton::clicked, this, &OptionDialog::onOk);
    connect(cancel, &QPushButton::clicked, this, &OptionDialog::reject);
}

void OptionDialog::showControls(const OptionControls& c)
{
    for (int i = 0; i < 6; ++i)
        choices_[i]->setCurrentIndex(c.choices[i]);
    showButton(optStandardOut_, c.optStandardOut);
    showButton(optClassOut_, c.optClassOut);
    frame5_->setEnabled(c.frame5Enabled);
    showButton(optStandard_, c.optStandard);
    showButton(optForm_, c.optForm);
    showButton(chkCollection_, c.chkCollection);
    showButton(optStyle1_, c.optStyle1);
    showButton(optStyle2_, c.optStyle2);
    showButton(optField1_, c.optField1);
    showButton(optField2_, c.optField2);
    chkWith_->setChecked(c.chkWith);
    txtCommentPos_->setText(qt(c.txtCommentPos));
    txtTabSize_->setText(qt(c.txtTabSize));
    chkDocXlsx_->setChecked(c.chkDocXlsx);
    chkDocMarkdown_->setChecked(c.chkDocMarkdown);
    txtHistoryFrom_->setText(qt(c.txtHistoryFrom));
    txtHistoryLabel_->setText(qt(c.txtHistoryLabel));
}

void OptionDialog::readControls()
{
    OptionControls& c = logic_.controls();
    for (int i = 0; i < 6; ++i)
        c.choices[i] = choices_[i]->currentIndex();
    c.optStandardOut.selected = optStandardOut_->isChecked();
    c.optClassOut.selected = optClassOut_->isChecked();
    c.optStandard.selected = optStandard_->isChecked();
    c.optForm.selected = optForm_->isChecked();
    c.chkCollection.selected = chkCollection_->isChecked();
    c.optStyle1.selected = optStyle1_->isChecked();
    c.optStyle2.selected = optStyle2_->isChecked();
    c.optField1.selected = optField1_->isChecked();
    c.optField2.selected = optField2_->isChecked();
    c.chkWith = chkWith_->isChecked();
    c.txtCommentPos = utf8(txtCommentPos_->text());
    c.txtTabSize = utf8(txtTabSize_->text());
    c.chkDocXlsx = chkDocXlsx_->isChecked();
    c.chkDocMarkdown = chkDocMarkdown_->isChecked();
    c.txtHistoryFrom = utf8(txtHistoryFrom_->text());
    c.txtHistoryLabel = utf8(txtHistoryLabel_->text());
}

void OptionDialog::onStandardOutClicked()
{
    readControls();
    logic_.chooseStandardOut();
    showControls(logic_.controls());
}

void OptionDialog::onClassOutClicked()
{
    readControls();
    logic_.chooseClassOut();
    showControls(logic_.controls());
}

void OptionDialog::onOk()
{
    readControls();
    if (auto refused = logic_.confirm(settings_, documents_)) {
        showControls(logic_.controls());
        showMessage(this, kOptionCaption, qt(*refused));
        return;
    }
    accept();
}

}  // namespace schemist::ui

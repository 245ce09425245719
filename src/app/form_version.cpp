#include "form_version.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app_title.h"
#include "build_info.h"

TFormVersion::TFormVersion(Document& doc, QWidget* parent) : TForm(doc, parent) {
  setObjectName(QStringLiteral("FormVersion"));
  setWindowTitle(QStringLiteral("バージョン情報"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  LabelTitle = new QLabel(AppTitle(), this);
  QFont font = LabelTitle->font();
  font.setPixelSize(24);
  LabelTitle->setFont(font);
  LabelTitle->setAlignment(Qt::AlignCenter);
  LabelVersion =
      new QLabel(QStringLiteral("バージョン %1").arg(QString::fromStdString(VersionText())), this);
  LabelVersion->setObjectName(QStringLiteral("LabelVersion"));
  LabelVersion->setAlignment(Qt::AlignCenter);
  ButtonOk = new QPushButton(QStringLiteral("閉じる"), this);
  ButtonOk->setObjectName(QStringLiteral("ButtonOk"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LabelTitle);
  layout->addWidget(LabelVersion);
  layout->addStretch();
  layout->addWidget(ButtonOk, 0, Qt::AlignHCenter);
  setFixedSize(355, 154);
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
}

#include "media/ui/frm_data.h"

TfrmData::TfrmData(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("データ集"));
}

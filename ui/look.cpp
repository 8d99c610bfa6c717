#include "look.h"

#include <QDialog>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "document/language.h"
#include "platform/font_names.h"
#include "platform/fonts.h"
#include "platform/placed_widgets.h"
#include "document/qstring_utf8.h"
#include "platform/shown_text.h"
#include "texts.h"

QFont GothicFont(double points) { return MakeFont(U8(kFacePGothic), points); }

QFont MinchoFont(double points) { return MakeFont(U8(kFaceMincho), points); }

QPushButton* GothicButton(QWidget* parent, const char* caption, const twips::Box& at, double points)
{
    QPushButton* button = ButtonAt(parent, at);
    ShowText(button, TextRole::Text, caption);
    button->setFont(GothicFont(points));
    return button;
}

QLabel* GothicLabel(QWidget* parent, const twips::Box& at, double points)
{
    auto* label = new QLabel(parent);
    PlaceAt(*label, at);
    label->setFont(GothicFont(points));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

void SetEntryBackground(QWidget& w)
{
    QPalette p = w.palette();
    p.setColor(QPalette::Base, kEntryBackground);
    p.setColor(QPalette::Button, kEntryBackground);
    w.setPalette(p);
}

void SetBackground(QWidget& w, const QColor& colour)
{
    QPalette p = w.palette();
    p.setColor(QPalette::Window, colour);
    w.setPalette(p);
    w.setAutoFillBackground(true);
}

void SetUpFixedDialog(QDialog& dialog, const char* caption, const QString& element, const twips::Box& client)
{
    dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    ShowText(&dialog, caption, [&dialog, element](const QString& shown) {
        dialog.setWindowTitle(shown + Tr(texts::kIdeographicSpace) + element);
    });
    dialog.setFixedSize(twips::ToSize(client.width, client.height));
}

void SetTabOrder(const std::vector<QWidget*>& order)
{
    for (size_t k = 1; k < order.size(); ++k) QWidget::setTabOrder(order[k - 1], order[k]);
}

#include "ui/cell_message.h"

#include "model/string_table.h"
#include "ui/message_service.h"

#include <QCoreApplication>

QString StringTableString(int id) {
    return QCoreApplication::translate("StringTable", StringTableText(id));
}

void ShowCellMessage(QWidget* parent, int messageId, int captionId, bool stopIcon) {
    MessageService::Show(parent, StringTableString(messageId), MessageButtons::Ok,
                         stopIcon ? MessageIcon::Stop : MessageIcon::Exclamation,
                         StringTableString(captionId));
}

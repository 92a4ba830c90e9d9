#include "editors/cell_message.h"

#include "model/string_table.h"
#include "shell/services/message_service.h"

#include <QCoreApplication>

QString StringTableString(int id) {
    return QCoreApplication::translate("StringTable", StringTableText(id));
}

void ShowCellMessage(QWidget* parent, int messageId, int captionId, bool stopIcon) {
    MessageService::Show(parent, StringTableString(messageId), MessageButtons::Ok,
                         stopIcon ? MessageIcon::Stop : MessageIcon::Exclamation,
                         StringTableString(captionId));
}

#include "dialogs/dtmf_dialog.h"

#include "dialogs/dtmf_call_list_page.h"
#include "dialogs/dtmf_decode_page.h"
#include "dialogs/dtmf_encode_page.h"
#include "model/fields/dtmf_fields.h"
#include "ui/dialog_keys.h"
#include "ui/field_binding.h"

#include <QCoreApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

CDtmfDlg::CDtmfDlg(QWidget* parent, bool bChinese)
    : CBoundDialog(fields::Group("dtmf"), parent, bChinese) {
    setWindowTitle(tr("DTMF"));
    binding::SetControlId(this, kDialogId);
    new QVBoxLayout(this);
}

void CDtmfDlg::CreatePages() {
    m_tabs = new QTabWidget(this);
    binding::SetControlId(m_tabs, kTabId);
    // F1 on the tab bar, which lies outside the pages, opens the dialog's help.
    new DialogKeyHook(m_tabs->tabBar(), {});
    m_encode = new CDtmfEncodePage(Group().Page("encode"), m_tabs, bChinese());
    m_decode = new CDtmfDecodePage(Group().Page("decode"), m_tabs, bChinese());
    m_callList = new CDtmfCallListPage(Group().Page("call_list"), m_tabs);
    BindPage(m_encode, "encode");
    BindPage(m_decode, "decode",
             {.afterLoad = [page = m_decode] { page->UpdateStunControls(); },
              .beforeStore = [page = m_decode] { page->CloseOpenLists(); }});
    BindPage(m_callList, "call_list",
             {.afterLoad = [page = m_callList] { page->ShowLoaded(); },
              .beforeStore = [page = m_callList] { page->CommitCurrentCell(); }});
    // The pages start hidden, so that only the page of the chosen tab
    // becomes visible (and loads) when the dialog shows.
    for (QWidget* page : {static_cast<QWidget*>(m_encode), static_cast<QWidget*>(m_decode),
                          static_cast<QWidget*>(m_callList)}) {
        page->hide();
    }
    m_tabs->addTab(m_encode, QCoreApplication::translate("CDtmfDlg", "Encode"));
    m_tabs->addTab(m_decode, QCoreApplication::translate("CDtmfDlg", "Decode"));
    m_tabs->addTab(m_callList, QCoreApplication::translate("CDtmfDlg", "CallList"));
    m_tabs->setCurrentIndex(0);
    // A click on a tab takes the focus, so that the edit being left
    // normalises its text before its page stores.
    m_tabs->tabBar()->setFocusPolicy(Qt::StrongFocus);
    layout()->addWidget(m_tabs);
}

void CDtmfDlg::DestroyPages() {
    delete m_tabs;
    m_tabs = nullptr;
    m_encode = nullptr;
    m_decode = nullptr;
    m_callList = nullptr;
}

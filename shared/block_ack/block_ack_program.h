#pragma once
// What a program gives the shared block-ack page and its Add and Delete dialogs: ids, texts,
// OIDs, how it sends the page's records and which dialogs it opens. Each program's resource.h
// names the templates, controls and texts alike, each with numbers of its own:
// BLOCK_ACK_RESOURCE_IDS, expanded where a program's resource.h is included, collects them.
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "shared/block_ack/block_ack.h"

namespace fw {
class CWnd;
}
class CAddBlockAckDlgBase;
class CDeleteBlockAckDlgBase;

struct BlockAckResourceIds {
    struct Label {
        int control;
        UINT text;
    };
    UINT pageTemplate, addTemplate, deleteTemplate;

    // The page.
    int originatorList, recipientList;
    int originatorAdd, originatorDelete, originatorDeleteAll;
    int recipientAdd, recipientDelete, recipientDeleteAll;
    int apply, aggregation, manual, autoSetup, density;
    int amsdu, amsdu3839, amsdu7935, smEnable;
    int shownAtStart[7];  // the A-MSDU and SM power save groups
    Label pageLabels[12];
    UINT macHeader;

    // The dialogs.
    int tidLabel, tid, windowLabel, window, peerLabel, peerList;
    UINT addTitle, deleteTitle, tidText, windowLimitText, okText, cancelText, enterInteger;
};

#define BLOCK_ACK_RESOURCE_IDS                                                                              \
    BlockAckResourceIds {                                                                                   \
        .pageTemplate = IDD_BLOCK_ACK, .addTemplate = IDD_ADD_BLOCK_ACK, .deleteTemplate = IDD_DELETE_BLOCK_ACK, \
        .originatorList = IDC_BA_ORIGINATOR_LIST, .recipientList = IDC_BA_RECIPIENT_LIST,                   \
        .originatorAdd = IDC_BA_ORIGINATOR_ADD, .originatorDelete = IDC_BA_ORIGINATOR_DELETE,               \
        .originatorDeleteAll = IDC_BA_ORIGINATOR_DELETE_ALL, .recipientAdd = IDC_BA_RECIPIENT_ADD,          \
        .recipientDelete = IDC_BA_RECIPIENT_DELETE, .recipientDeleteAll = IDC_BA_RECIPIENT_DELETE_ALL,      \
        .apply = IDC_BA_APPLY, .aggregation = IDC_BA_AGGREGATION, .manual = IDC_BA_MANUAL,                  \
        .autoSetup = IDC_BA_AUTO, .density = IDC_BA_DENSITY, .amsdu = IDC_BA_AMSDU,                         \
        .amsdu3839 = IDC_BA_AMSDU_3839, .amsdu7935 = IDC_BA_AMSDU_7935, .smEnable = IDC_BA_SM_ENABLE,       \
        .shownAtStart = {IDC_BA_AMSDU_GROUP, IDC_BA_AMSDU, IDC_BA_AMSDU_3839, IDC_BA_SMPS_GROUP,            \
                         IDC_BA_SM_ENABLE, IDC_BA_SMPS_STATIC, IDC_BA_SMPS_DYNAMIC},                        \
        .pageLabels = {{IDC_BA_ORIGINATOR_GROUP, IDS_BA_ORIGINATOR_OF},                                     \
                       {IDC_BA_RECIPIENT_GROUP, IDS_BA_RECIPIENT_OF},                                       \
                       {IDC_BA_MANUAL, IDS_BA_MANUAL},                                                      \
                       {IDC_BA_AUTO, IDS_BA_AUTO},                                                          \
                       {IDC_BA_ORIGINATOR_ADD, IDS_BA_ADD},                                                 \
                       {IDC_BA_RECIPIENT_ADD, IDS_BA_ADD},                                                  \
                       {IDC_BA_ORIGINATOR_DELETE, IDS_BA_DELETE},                                           \
                       {IDC_BA_RECIPIENT_DELETE, IDS_BA_DELETE},                                            \
                       {IDC_BA_ORIGINATOR_DELETE_ALL, IDS_BA_DELETE_ENTRY},                                 \
                       {IDC_BA_RECIPIENT_DELETE_ALL, IDS_BA_DELETE_ENTRY},                                  \
                       {IDC_BA_APPLY, IDS_BA_APPLY},                                                        \
                       {IDC_BA_DENSITY_LABEL, IDS_BA_DENSITY}},                                             \
        .macHeader = IDS_BA_MAC, .tidLabel = IDC_BA_TID_LABEL, .tid = IDC_BA_TID,                           \
        .windowLabel = IDC_BA_WINDOW_LABEL, .window = IDC_BA_WINDOW, .peerLabel = IDC_BA_BSSID_LABEL,       \
        .peerList = IDC_BA_BSSID_LIST, .addTitle = IDS_BA_ADD_TITLE, .deleteTitle = IDS_BA_DELETE_TITLE,    \
        .tidText = IDS_BA_TID, .windowLimitText = IDS_BA_WINDOW_LIMIT, .okText = IDS_BA_OK,                 \
        .cancelText = IDS_BA_CANCEL, .enterInteger = IDS_ENTER_INTEGER,                                     \
    }

// The texts that are the program's own.
struct BlockAckTexts {
    UINT caption;          // the page's title
    UINT peerListLabel;    // above the dialogs' list of addresses
    UINT noPeerChosen;     // OK in a dialog without a chosen address
    const char* appTitle;  // the message boxes' title
};

// How the page reaches the program's driver.
struct BlockAckDriver {
    DWORD queryCapabilityOid, querySessionsOid;
    void (*setCapability)(const BaCapability& capability);
    void (*addSession)(const BaSessionRequest& request);
    void (*deleteSession)(const BaSessionRequest& request);
};

struct BlockAckProgram {
    BlockAckResourceIds res;
    BlockAckTexts texts;
    BlockAckDriver driver;
    bool listsWithoutHScroll;  // the session lists never show a horizontal scroll bar
    // The addresses the Add dialog offers, in its list's order; asked for as it opens.
    std::vector<std::array<uint8_t, 6>> (*offeredPeers)();
    std::unique_ptr<CAddBlockAckDlgBase> (*newAddDialog)(fw::CWnd* page);
    // chooseTid 0: every session of the chosen peer ends.
    std::unique_ptr<CDeleteBlockAckDlgBase> (*newDeleteDialog)(fw::CWnd* page,
                                                               const std::vector<BaPeerSessions>& sessions,
                                                               int chooseTid);
};

// A program's own dialog classes, as newAddDialog and newDeleteDialog.
template <class Dialog>
std::unique_ptr<CAddBlockAckDlgBase> NewAddBlockAckDlg(fw::CWnd* page) {
    return std::make_unique<Dialog>(page);
}
template <class Dialog>
std::unique_ptr<CDeleteBlockAckDlgBase> NewDeleteBlockAckDlg(fw::CWnd* page, const std::vector<BaPeerSessions>& sessions,
                                                             int chooseTid) {
    return std::make_unique<Dialog>(page, sessions, chooseTid);
}

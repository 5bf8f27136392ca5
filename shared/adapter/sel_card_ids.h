/* The adapter selection dialog's template and controls. Each program's resources hold
 * a template of this id with these controls; plain #defines, for the .rc files too. */
#ifndef SHARED_SEL_CARD_IDS_H
#define SHARED_SEL_CARD_IDS_H

#define IDD_SEL_CARD                 177
#define IDC_SELCARD_LIST             1094   /* drop-down list of candidate adapters */
#define IDC_SELCARD_DESCRIPTION      1095   /* device description */
#define IDC_SELCARD_HARDWARE_ID      1097   /* hardware ID */
#define IDC_SELCARD_LOCATION         1098   /* location information */
#define IDC_SELCARD_MANUFACTURER     1099   /* manufacturer */

#endif /* SHARED_SEL_CARD_IDS_H */

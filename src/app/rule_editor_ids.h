// Controls of the rule editor, for its resource script and its code alike
// (so plain macros, which the resource compiler reads).
#pragma once

#define IDC_RULE_NAME 1001
#define IDC_NEW_RULE 1002
#define IDC_SHEET_LABEL 1003
#define IDC_SHEET_NAME 1004
#define IDC_OPEN_SHEET 1005
#define IDC_SIZE_LABEL 1006
#define IDC_SHEET_SIZE 1007
#define IDC_RULE_LABEL 1008
#define IDC_PROCESS_CHECK 1010
#define IDC_ZOOM_LABEL 1011
#define IDC_ZOOM 1012
#define IDC_FROM_LAYOUT 1013
#define IDC_SHEET_VIEW 1020
#define IDC_CANVAS_VIEW 1021
#define IDC_FILL_IN_ORDER 1030
#define IDC_BLANK 1031
#define IDC_UNDO 1032
#define IDC_REDO 1033
#define IDC_STATUS 1034
#define IDC_FINDINGS_LABEL 1040
#define IDC_FINDINGS 1041
#define IDC_SAVE 1050
#define IDC_SAVE_INVERSE 1051

// The field of each key the editor shows is IDC_KEY_FIELD + the key's place
// in the key table (RuleKeyId), its label IDC_KEY_LABEL + the same.
#define IDC_KEY_FIELD 1100
#define IDC_KEY_LABEL 1200
#define IDC_CLIP_FIELD 1100
#define IDC_SRCDIV_FIELD 1101
#define IDC_NEWSIZE_FIELD 1102
#define IDC_REPLACE_FIELD 1103
#define IDC_FILEDIV_FIELD 1104
#define IDC_NAMEFOOT_FIELD 1105
#define IDC_GROUP_FIELD 1106
#define IDC_KEEPPALETTE_FIELD 1107
#define IDC_INDIVIDUAL_FIELD 1108
#define IDC_SUBPROCESS_FIELD 1109
#define IDC_TILESIZE_FIELD 1110
#define IDC_TERRAIN_FIELD 1111
#define IDC_CLIP_LABEL 1200
#define IDC_SRCDIV_LABEL 1201
#define IDC_NEWSIZE_LABEL 1202
#define IDC_REPLACE_LABEL 1203
#define IDC_FILEDIV_LABEL 1204
#define IDC_NAMEFOOT_LABEL 1205
#define IDC_GROUP_LABEL 1206
#define IDC_INDIVIDUAL_LABEL 1208
#define IDC_SUBPROCESS_LABEL 1209
#define IDC_TILESIZE_LABEL 1210
#define IDC_TERRAIN_LABEL 1211

// The dialog "定型から作る" that the editor opens: an autotile rule's
// layouts, tile size, blocks and name.
#define IDC_AUTOTILE_FROM_LABEL 1300
#define IDC_AUTOTILE_FROM 1301
#define IDC_AUTOTILE_TO_LABEL 1302
#define IDC_AUTOTILE_TO 1303
#define IDC_AUTOTILE_TILE_LABEL 1304
#define IDC_AUTOTILE_TILE 1305
#define IDC_AUTOTILE_BLOCKS_LABEL 1306
#define IDC_AUTOTILE_BLOCKS 1307
#define IDC_AUTOTILE_NAME_LABEL 1308
#define IDC_AUTOTILE_NAME 1309
#define IDC_AUTOTILE_MAKES 1310

// The window class of the sheet and canvas views.
#define RULE_VIEW_CLASS "VomarinRuleView"

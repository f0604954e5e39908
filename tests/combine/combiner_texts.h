#pragma once

// What the combiner window shows a Japanese user, word for word.
inline constexpr char kCombinerCaption[] = "マップ結合";
inline constexpr char kAddFilesFirstMessage[] = "結合する画像ファイルを追加してください";
inline constexpr char kEndWithoutSavingMessage[] =
    "ファイルが登録されていません。保存せずに終了しますか？";
inline constexpr char kTooLargeToSaveMessage[] =
    "結合した画像が大きすぎるため、保存できませんでした。";

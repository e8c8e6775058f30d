// One PNG with all pictures in gojuon order, each labelled with its kana, for
// checking the drawings by eye. Not part of the stored assets.
#pragma once

#include "indexedimage.h"

#include <string>
#include <vector>

class ContactSheet
{
public:
    // Where a picture sits on the sheet: its row of the gojuon grid and its
    // column in that row. や行 and わ行 keep the columns of their vowels
    // (や ゆ よ and わ を ん in columns 0, 2 and 4), leaving gaps between them.
    struct Cell
    {
        int row;
        int column;
    };
    static Cell cellOf(int picture);

    static void write(const std::string& path, const std::vector<IndexedImage>& pictures);
};

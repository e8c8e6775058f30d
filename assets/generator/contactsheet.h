// One PNG with all pictures in gojuon order, each labelled with its kana, for
// checking the drawings by eye. Not part of the stored assets.
#pragma once

#include "indexedimage.h"

#include <string>
#include <vector>

class ContactSheet
{
public:
    static void write(const std::string& path, const std::vector<IndexedImage>& pictures);
};

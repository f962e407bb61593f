#pragma once
// Window measures of the original program are in twips (1/1440 inch);
// on screen we work in pixels at the screen's logical resolution.

namespace plataforma {

int TwipsAPixeles(int twips);
int PixelesATwips(int pixeles);

} // namespace plataforma

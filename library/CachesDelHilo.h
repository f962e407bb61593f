#pragma once
// The exact arithmetic keeps caches per thread (FLINT's and Arb's, about
// 300 KB after a degree-100 record) until the thread frees them itself: a
// thread started for one piece of work calls this before it ends.
void LiberaCachesExactasDelHilo();

#!/bin/sh
# Draws the five product pictures of the fan chooser (simple roof fans on a white ground, one per
# family, in the sizes the chooser shows them) with ImageMagick. Run from this directory.
set -e

# picture WIDTH HEIGHT FILE DRAW...: a grey drawing on white, saved as a plain baseline JPEG.
picture() {
    w=$1; h=$2; out=$3; shift 3
    convert -size "${w}x${h}" xc:white -stroke '#303030' -strokewidth 1 "$@" \
        -strip -interlace none -quality 90 "$out"
}

# ALVIR: a low round cowl on a flat base.
picture 73 65 alvir.jpg \
    -fill '#9aa4ad' -draw 'rectangle 10,50 62,58' \
    -fill '#c9d0d6' -draw 'polygon 16,50 56,50 50,22 22,22' \
    -fill '#7d8790' -draw 'ellipse 36,22 14,6 0,360' \
    -fill none -draw 'line 24,30 48,30' -draw 'line 22,38 50,38'

# BRESA: a tall cylindrical housing with a discharge cap.
picture 73 73 bresa.jpg \
    -fill '#9aa4ad' -draw 'rectangle 8,60 64,67' \
    -fill '#c9d0d6' -draw 'rectangle 20,22 52,60' \
    -fill '#7d8790' -draw 'polygon 14,22 58,22 48,10 24,10' \
    -fill none -draw 'line 20,34 52,34' -draw 'line 20,46 52,46'

# CORVA: a wide dome over a square base with a grille.
picture 73 81 corva.jpg \
    -fill '#9aa4ad' -draw 'rectangle 12,58 60,74' \
    -fill '#c9d0d6' -draw 'ellipse 36,58 30,30 180,360' \
    -fill none -draw 'line 16,64 56,64' -draw 'line 16,69 56,69' \
    -draw 'line 36,28 36,58' -draw 'arc 14,36 58,80 200,340'

# DUNMAR: a tall square housing with louvres and a flat roof.
picture 73 89 dunmar.jpg \
    -fill '#9aa4ad' -draw 'rectangle 8,76 64,83' \
    -fill '#c9d0d6' -draw 'rectangle 16,24 56,76' \
    -fill '#7d8790' -draw 'polygon 10,24 62,24 56,14 16,14' \
    -fill none -draw 'line 20,34 52,34' -draw 'line 20,42 52,42' -draw 'line 20,50 52,50' \
    -draw 'line 20,58 52,58' -draw 'line 20,66 52,66'

# ESKOL: a flat, wide housing on a low curb.
picture 73 49 eskol.jpg \
    -fill '#9aa4ad' -draw 'rectangle 6,38 66,44' \
    -fill '#c9d0d6' -draw 'polygon 10,38 62,38 54,18 18,18' \
    -fill '#7d8790' -draw 'rectangle 26,10 46,18' \
    -fill none -draw 'line 16,28 56,28'

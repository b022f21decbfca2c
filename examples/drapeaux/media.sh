#!/usr/bin/env bash
# Draws the flags of the "Drapeaux" sample and their answer pictures (JFIF JPEGs) into $1/images.
set -euo pipefail
out=$1/images
mkdir -p "$out"

# vertical_tricolour NAME LEFT MIDDLE RIGHT, horizontal_tricolour NAME TOP MIDDLE BOTTOM
vertical_tricolour() { convert -size 90x180 "xc:$2" "xc:$3" "xc:$4" +append "$out/$1.jpg"; }
horizontal_tricolour() { convert -size 270x60 "xc:$2" "xc:$3" "xc:$4" -append "$out/$1.jpg"; }

vertical_tricolour france '#0055A4' white '#EF4135'
vertical_tricolour italie '#009246' white '#CE2B37'
vertical_tricolour belgique black '#FAE042' '#ED2939'
vertical_tricolour irlande '#169B62' white '#FF883E'
horizontal_tricolour allemagne black '#DD0000' '#FFCE00'
horizontal_tricolour pays-bas '#AE1C28' white '#21468B'
convert -size 270x180 'xc:#006AA7' -fill '#FECC00' \
  -draw 'rectangle 75,0 104,179' -draw 'rectangle 0,75 269,104' "$out/suede.jpg"

# The answer picture: the flag over a banner that names the country and its capital.
answer() {
  convert "$out/$1.jpg" \( -size 270x40 xc:white -font DejaVu-Sans -pointsize 20 -fill black \
    -gravity center -annotate +0+0 "$2" \) -append "$out/$1-reponse.jpg"
}
answer france 'France — Paris'
answer italie 'Italie — Rome'
answer belgique 'Belgique — Bruxelles'
answer irlande 'Irlande — Dublin'
answer allemagne 'Allemagne — Berlin'
answer pays-bas 'Pays-Bas — Amsterdam'
answer suede 'Suède — Stockholm'

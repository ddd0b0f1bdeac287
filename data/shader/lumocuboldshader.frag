#version 120
// Sprite faces. The art paints clothes in three marker colours (base0..2); each is tinted by its
// colorN, so one sheet can dress several people. Everything is then lit by the ambient colour.
uniform sampler2D spriteTexture; // texture unit 0
uniform vec4 mColor;
uniform vec4 base0;
uniform vec4 base1;
uniform vec4 base2;
uniform vec4 color0;
uniform vec4 color1;
uniform vec4 color2;

varying vec2 texCoord;

vec3 tinted(vec3 texel)
{
    const float near = 0.02;
    if (distance(texel, base0.rgb) < near)
        return texel * color0.rgb;
    if (distance(texel, base1.rgb) < near)
        return texel * color1.rgb;
    if (distance(texel, base2.rgb) < near)
        return texel * color2.rgb;
    return texel;
}

void main()
{
    vec4 texel = texture2D(spriteTexture, texCoord);
    if (texel.a == 0.0)
        discard;
    gl_FragColor = vec4(tinted(texel.rgb) * mColor.rgb, texel.a * mColor.a);
}

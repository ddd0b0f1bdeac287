#version 120
// Rooms lit by the ambient colour of the time of day. The shadow map darkens by its red channel,
// so an empty texture unit (which reads as black) leaves the room unshaded.
uniform sampler2D baseTexture;   // texture unit 0
uniform sampler2D shadowTexture; // texture unit 1
uniform vec4 mColor;

varying vec2 texCoord;
varying vec2 shadowCoord;

void main()
{
    vec4 texel = texture2D(baseTexture, texCoord);
    float light = 1.0 - 0.6 * texture2D(shadowTexture, shadowCoord).r;
    gl_FragColor = vec4(texel.rgb * mColor.rgb * light, texel.a * mColor.a);
}
